#include "drawing/syllabics.h"

Syllabics::Syllabics(Score *score, Part *part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Syllabics::reset()
{
    startSlots.fill(Slot());
}
