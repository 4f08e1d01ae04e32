#include "drawing/bracketline.h"

BracketLine::BracketLine(Score *score, Part *part) : score(score), part(part) {}

void BracketLine::reset()
{
    startSlots.fill(Slot());
}
