#include "drawing/wedge.h"

Wedge::Wedge(Score *score, Part *part, QObject *parent) : QObject(parent), score(score), part(part)
{
}

void Wedge::reset()
{
    startSlots.fill(Slot());
}
