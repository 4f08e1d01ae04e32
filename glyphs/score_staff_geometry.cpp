// Score's staff-notation geometry: distances across a staff counted in
// staff steps.
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

double Score::getStaffStepOffset(int part, int steps) const
{
    const double offset = steps * parts.at(part)->noteFontSize * 0.125;
    return page->horizontal ? -offset : offset;
}
