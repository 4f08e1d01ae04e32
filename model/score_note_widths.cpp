// Score's note widths: how wide a note of each type is in a part (a ratio
// of the part's note size), where a note's position in the beat narrows
// it, and the advance of a placed note item.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>

namespace {

// Divisible by a divisor that integer division may have made 0: never.
bool divisible(int value, int divisor)
{
    // A divisor of 0 or less is no beat length: no position is on it.
    return divisor > 0 && value % divisor == 0;
}

} // namespace

double Score::getNoteItemWidth(int measure, int part, int voice, int note) const
{
    const Measure *m = measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    const Note *n = v ? v->notes.value(note) : nullptr;
    const AlignItem *item = n ? v->alignItems.value(n->firstAlignItem) : nullptr;
    if (!item) {
        qDebug().noquote() << "getNoteItemWidth no item: measure, part, voice, note =" << measure
                           << part << voice << note;
        return 0.0;
    }
    return item->width;
}

double Score::getNoteWidth(int part, int noteType) const
{
    const Part *p = parts.at(part);
    if (p->notationStyle == NotationStyle::StaffNotation)
        return 1.0;
    if (noteType <= 1)
        return p->noteWidth1;
    switch (noteType) {
    case 2:
        return p->noteWidth2;
    case 4:
        return p->noteWidth4;
    case 8:
        return p->noteWidth8;
    case 16:
        return p->noteWidth16;
    default:
        return p->noteWidth32;
    }
}

double Score::getNoteSpacing(int part, int noteType) const
{
    return parts.at(part)->noteInterval * getNoteWidth(part, noteType);
}

double Score::getNoteWidthByLevel(int part, int level) const
{
    const Part *p = parts.at(part);
    if (level < 1)
        return 1.0;
    if (level == 1)
        return p->noteWidth8;
    if (level == 2)
        return p->noteWidth16;
    return p->noteWidth32;
}

double Score::getNoteWidthAtTime(int part, const Measure *measure, const Note *note, int time) const
{
    const Part *p = parts.at(part);
    if (note->timeModification)
        return getNoteWidth(part, note->noteType);
    if (p->notationStyle == NotationStyle::StaffNotation)
        return 1.0;

    int d = measure->divisions;
    if (d <= 0) {
        qDebug().noquote() << "getNoteWidthAtTime: measure has divisions " + QString::number(d) +
                                  ", counted as 1";
        d = 1;
    }
    const bool onBeat = divisible(time, d);
    const bool onHalf = measure->beatType == 4 && divisible(time, d / 2);
    const bool onQuarter = d >= 4 && divisible(time, d / 4);
    const bool onEighth = d >= 8 && divisible(time, d / 8);

    const int type = note->noteType;
    if (type <= 3)
        return p->noteWidth4;
    if (type == 4) {
        if (onBeat)
            return p->noteWidth4;
        if (onHalf)
            return p->noteWidth8;
        if (onQuarter)
            return p->noteWidth16;
        return p->noteWidth4;
    }
    if (type == 8) {
        if (onBeat || onHalf)
            return p->noteWidth8;
        if (onQuarter)
            return p->noteWidth16;
        if (d < 8)
            return p->noteWidth8;
        if (onEighth)
            return p->noteWidth32;
        return p->noteWidth8;
    }
    if (type == 16) {
        if (onBeat || onHalf || d < 4 || onQuarter)
            return p->noteWidth16;
        if (onEighth)
            return p->noteWidth32;
        return p->noteWidth16;
    }
    return p->noteWidth32;
}
