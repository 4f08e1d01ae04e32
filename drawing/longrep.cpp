#include "drawing/longrep.h"

LongRep::LongRep(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void LongRep::reset()
{
    startMeasure = nullptr;
    started = false;
    startItem = nullptr;
    kind = 0;
    startAcross = 0.0;
    startAlong = 0.0;
}
