#include "drawing/slurs.h"

Slurs::Slurs(Score *score, Part *part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Slurs::reset()
{
    startSlots.fill(Slot());
}

void Slurs::slurStart(Measure *measure, Note *note, Notation *slur, int number, double refOffset)
{
    if (number < 0 || number >= slotCount)
        return;
    Slot &slot = startSlots[number];
    slot.startMeasure = measure;
    slot.startNote = note;
    slot.slur = slur;
    slot.refOffset = refOffset;
}

int Slurs::slurStop(Measure *, Note *, Notation *, int number)
{
    if (number >= 0 && number < slotCount)
        startSlots[number] = Slot();
    return 0;
}

int Slurs::slurStop2(Measure *, Note *, Notation *, int number)
{
    if (number >= 0 && number < slotCount)
        startSlots[number] = Slot();
    return 0;
}
