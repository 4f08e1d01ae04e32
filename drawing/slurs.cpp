#include "drawing/slurs.h"

Slurs::Slurs(Score *score, Part *part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Slurs::reset()
{
    startSlots.fill(Slot());
}
