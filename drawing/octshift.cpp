#include "drawing/octshift.h"

OctShift::OctShift(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void OctShift::reset()
{
    startSlots.fill(Slot());
}
