// Score's measure phase of the item generation, as a placeholder: of a
// measure's own items only its break mark, and the page step that follows
// its first part. Filled by the measure step, which replaces this file.
#include "model/score.h"

void Score::genMeasureItems(int measureIndex)
{
    genBreakMark(measureIndex);
    const Measure *measure = measures.value(measureIndex);
    if (measure && !parts.isEmpty())
        advancePageAfterMeasure(measure);
}
