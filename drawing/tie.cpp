#include "drawing/tie.h"

#include "model/measure.h"
#include "model/note.h"

#include <QGraphicsPathItem>

Tie::Tie(Score *score, Part *part, QObject *parent) : QObject(parent), score(score), part(part) {}

void Tie::reset()
{
    openStarts.clear();
}

void Tie::tieStart(Note *note, int system, QPointF first, QPointF second)
{
    start(nullptr, note, system, first, second);
}

void Tie::tieStart2(Measure *m, Note *note, int system, QPointF first, QPointF second)
{
    start(m, note, system, first, second);
}

void Tie::start(Measure *m, Note *note, int system, QPointF first, QPointF second)
{
    Slot slot;
    slot.note = note;
    slot.measure = m;
    slot.pitch = note->pitchNumber;
    slot.staff = note->staff;
    slot.voice = note->voice;
    slot.system = system;
    slot.first = first;
    slot.second = second;
    openStarts.append(slot);
}

bool Tie::takeMatch(const Note *note, Slot *slot)
{
    int found = -1;
    for (int i = 0; i < openStarts.size(); ++i) {
        const Slot &open = openStarts.at(i);
        if (open.pitch != note->pitchNumber || open.staff != note->staff)
            continue;
        if (open.voice == note->voice) {
            found = i;
            break;
        }
        if (found < 0)
            found = i;
    }
    if (found < 0)
        return false;
    *slot = openStarts.takeAt(found);
    return true;
}

void Tie::tieStop(Note *note, int, QPointF, bool)
{
    Slot slot;
    takeMatch(note, &slot);
}

void Tie::tieStop2(Measure *, Note *note, int, QPointF, bool, double)
{
    Slot slot;
    takeMatch(note, &slot);
}

QGraphicsPathItem *Tie::tiePath(bool, double, double, double)
{
    return new QGraphicsPathItem;
}

QGraphicsPathItem *Tie::tiePathV(bool, double, double, double)
{
    return new QGraphicsPathItem;
}
