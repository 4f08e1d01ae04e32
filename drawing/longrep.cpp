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

// The drawing itself is still to come: marks are not kept yet and draw
// nothing.

void LongRep::longRepStart(Measure *, QGraphicsItem *, double, double, int) {}

void LongRep::longRepSingle(Measure *, QGraphicsItem *, double, double, double, int) {}

void LongRep::longRepStop(Measure *, double, double) {}

void LongRep::drawLongRep(Measure *, double, double) {}
