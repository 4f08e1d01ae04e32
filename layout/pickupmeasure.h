// A score's leading measure that its file marks as not counted (MusicXML's
// implicit="yes", a pickup): it takes no number, and with equal measure
// lengths only the share of a full measure its notes fill.
#pragma once

#include <QList>

class Measure;

namespace PickupMeasure {

// True when the first of `measures` is marked implicit.
bool leadsWithPickup(const QList<Measure *> &measures);
// The number shown for the measure at `index` of `measures`, counted by
// position and not read from the file: from 1, or from 0 when the score
// leads with a pickup, so the first full measure is 1.
int shownNumber(const QList<Measure *> &measures, int index);
// For the pickup, the share of a full measure of its time signature that
// its notes fill, in (0, 1]; 1 for any other measure.
double lengthShare(const QList<Measure *> &measures, const Measure *measure);

} // namespace PickupMeasure
