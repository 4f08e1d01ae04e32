#include "drawing/waveline.h"

WaveLine::WaveLine(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void WaveLine::reset()
{
    startMeasure = nullptr;
    startNote = nullptr;
    startNotation = nullptr;
    refOffset = 0.0;
}

// The drawing itself is still to come: starts are not kept yet and stops
// draw nothing.

void WaveLine::wavyLineStart(Measure *, Note *, Notation *, double) {}

int WaveLine::wavyLineStop(Measure *, Note *)
{
    return 1;
}
