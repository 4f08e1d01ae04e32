// Score's bridge from the line layout to a measure's own widths: its time
// alignment for its head and tail room, and fitting it to the length its
// stage gives it.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/score.h"

namespace {

Aligner *alignerOf(Score *score, Measure *measure)
{
    if (!measure->aligner)
        measure->aligner = new Aligner(score);
    return measure->aligner;
}

} // namespace

void Score::alignMeasure(Measure *measure)
{
    calcMeasureHeadWidth(measure);
    alignerOf(this, measure)->alignTics(measure);
    measure->minimumLength = measureMinimumLength(measure);
    measure->belowMinimum = false;
}

void Score::fitMeasure(Measure *measure, double length)
{
    alignerOf(this, measure)->fitToWidth(length);
}
