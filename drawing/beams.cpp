#include "drawing/beams.h"

Beams::Beams(Score *score, QObject *parent) : QObject(parent), score(score) {}

void Beams::reset()
{
    levelStarts.fill(0.0);
    groupStart = 0.0;
    strokeCount = 0;
    strokeStart = 0.0;
}
