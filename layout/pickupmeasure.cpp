#include "layout/pickupmeasure.h"

#include "model/measure.h"

#include <algorithm>

namespace PickupMeasure {

bool leadsWithPickup(const QList<Measure *> &measures)
{
    return !measures.isEmpty() && measures.first()->implicit;
}

int shownNumber(const QList<Measure *> &measures, int index)
{
    return leadsWithPickup(measures) ? index : index + 1;
}

double lengthShare(const QList<Measure *> &measures, const Measure *measure)
{
    if (measure != measures.value(0) || !leadsWithPickup(measures))
        return 1.0;
    const int divisions = measure->divisions > 0 ? measure->divisions : 1;
    const double full =
        measure->beatType > 0 ? 4.0 * measure->beats * divisions / measure->beatType : 0.0;
    if (full <= 0.0 || measure->voiceOneLength <= 0)
        return 1.0;
    // Never less than a sixteenth of the measure: the head still needs room.
    return std::clamp(measure->voiceOneLength / full, 1.0 / 16.0, 1.0);
}

} // namespace PickupMeasure
