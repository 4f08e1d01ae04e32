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
