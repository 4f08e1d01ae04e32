#include "drawing/tuplet.h"

// The drawing itself is still to come: the builder records nothing yet
// and draws nothing.

Tuplet::Tuplet(Score *score, int part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Tuplet::tupletStart(int, int, bool, QPointF) {}

void Tuplet::tupletStop(int, QPointF) {}

void Tuplet::setTupletShow(int, int) {}

void Tuplet::drawTupletNumber(int, Measure *, int, int, int) {}
