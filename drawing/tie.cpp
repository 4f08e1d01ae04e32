#include "drawing/tie.h"

Tie::Tie(Score *score, Part *part, QObject *parent) : QObject(parent), score(score), part(part) {}

void Tie::reset()
{
    startSlots.fill(Slot());
}
