// What laying out a loaded score will cost, counted in the units of the
// loader's element limit (Score::maxScoreElements). The text's elements
// are one part of it; the layout adds objects of its own that no element
// stands for: every measure its aligner, bar lines and header, and every
// measure one time tick per sixty-fourth note of its length, whatever its
// notes. A file of a few hundred kilobytes whose measures each last 64
// whole notes, or a file of a few hundred thousand one-rest measures,
// would otherwise take gigabytes; counted here, it is refused at load.
#pragma once

#include <QList>
#include <QtGlobal>

class Measure;
class QDomDocument;

namespace LayoutCost {

// Weights measured on generated scores (peak memory of load, layout and
// SVG export): a measure costs about what four elements do, and eight time
// ticks about what one element does.
constexpr qsizetype elementsPerMeasure = 4;
constexpr qsizetype ticksPerElement = 8;

// The time ticks the aligner makes for `measure` (see Aligner::setUpTics).
qint64 timeTicks(const Measure *measure);

struct Estimate
{
    qsizetype elements = 0;
    qint64 ticks = 0;
    qsizetype measures = 0;
    qint64 total() const;
};

Estimate of(const QDomDocument &document, const QList<Measure *> &measures);

} // namespace LayoutCost
