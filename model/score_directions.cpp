// Score's direction placement: where a direction stands in its measure and
// the default offset of each direction kind.
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr int atNoNote = -1;
constexpr int atMeasureEnd = -2;
constexpr int placeAbove = 1;
constexpr int placeBelow = 2;

// Words, wedges and bracket lines whose file names a side stand on it:
// above the staff (right of the column in vertical writing) at a negative
// offset across, below (left) at a positive one. A default already on the
// asked side stays; the other side mirrors the kind's default.
void placeOnAskedSide(Direction *direction, const Style *style, bool horizontal)
{
    using namespace DirectionKind;
    const int kind = direction->kind;
    const int side = direction->placement;
    if ((side != placeAbove && side != placeBelow) ||
        (kind != Words && kind != Crescendo && kind != Diminuendo && kind != LineStart))
        return;
    const bool below = side == placeBelow;
    if (below ? direction->y > 0.0 : direction->y < 0.0)
        return;
    // Note sizes from the note line: past a note on a ledger line below
    // the staff, as the default above keeps clear of one above; a line in
    // horizontal writing stays inside the row that the stage gives it.
    double away = 1.0;
    if (kind == Words)
        away = horizontal ? (below ? 1.0 : 1.5 - style->textOffset) : 1.5 + style->textOffset;
    else if (kind == LineStart)
        away = horizontal ? 1.0 : 1.3;
    else
        away = horizontal ? style->wedgeOffset + 1.0 : std::max(1.0 - style->wedgeOffset, 0.5);
    direction->y = below ? away : -away;
}

// Along the reading direction, an octave mark and the gap after it, in
// note sizes.
constexpr double octaveMarkLength = 0.9;

} // namespace

bool Score::isMeasureLevelDirection(int kind) const
{
    // A metronome mark stands at its own beat, over its own notes.
    return kind == 2 || kind == 6 || (kind >= 7 && kind <= 16 && kind != DirectionKind::Metronome);
}

QPointF Score::getDirectionPosition(int measure, int part, int voice, int direction) const
{
    const Measure *m = measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    const Direction *d = v ? v->shownDirections().value(direction) : nullptr;
    if (!d) {
        qDebug().noquote() << "getDirectionPosition no direction: measure, part, voice, direction ="
                           << measure << part << voice << direction;
        return QPointF(0, 0);
    }

    const bool horizontal = page->horizontal;
    const double across = isMeasureLevelDirection(d->kind)
                              ? (horizontal ? m->originY : m->originX + m->width)
                              : m->getPartNoteLine(d->staff, part);
    const double start = horizontal ? m->originX : m->originY;
    const double end = horizontal ? m->originX + m->width : m->originY + m->height;

    double along = start;
    if (d->noteIndex == atMeasureEnd) {
        along = end;
    } else if (d->noteIndex >= 0 && d->noteIndex < v->notes.size()) {
        const QPointF point =
            m->getItemFinalPosFrame(part, voice, v->notes.at(d->noteIndex)->firstAlignItem);
        along = horizontal ? point.x() : point.y();
    }
    // Any other note index (none, or a note the voice lacks) stands at the
    // measure start.
    return horizontal ? QPointF(along, across) : QPointF(across, along);
}

double Score::noteSpread(int part) const
{
    const Part *settings = parts.value(part);
    return settings && settings->notationStyle == NotationStyle::ShamisenBunka
               ? settings->noteFontSize
               : 0.0;
}

QPointF Score::directionAnchor(int measure, int part, int voice, int index,
                               const Direction *direction) const
{
    QPointF anchor = getDirectionPosition(measure, part, voice, index);
    // A moved direction keeps the plain anchor its stored offset was taken
    // from; a measure-level one stands at the measure edge anyway.
    if (!direction || direction->moved || isMeasureLevelDirection(direction->kind) ||
        direction->y == 0.0)
        return anchor;
    const bool horizontal = page->horizontal;
    // The offset across turns with the page: down in horizontal writing,
    // to the left in vertical.
    const bool downOrLeft = direction->y > 0.0;
    const double spread = noteSpread(part);
    if (spread > 0.0) {
        const double side = downOrLeft ? spread : -spread;
        anchor += horizontal ? QPointF(0.0, side) : QPointF(-side, 0.0);
    }
    // The octave mark of the note stands on one side of it: a direction on
    // that side starts after the mark.
    const bool markSide =
        style->octaveInstructionRightOrBottom ? downOrLeft == horizontal : downOrLeft != horizontal;
    if (markSide && hasOctaveMark(measure, part, voice, direction)) {
        const double past = octaveMarkLength * parts.at(part)->noteFontSize;
        anchor += horizontal ? QPointF(past, 0.0) : QPointF(0.0, past);
    }
    return anchor;
}

bool Score::hasOctaveMark(int measure, int part, int voice, const Direction *direction) const
{
    const Measure *m = measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    const Note *note = v ? v->notes.value(direction->noteIndex) : nullptr;
    return note && !note->octaveInstMark.isEmpty() && note->visible && !note->octaveInstMoved;
}

void Score::setDefaultItemOffset(Direction *direction) const
{
    if (direction->moved)
        return;
    const bool horizontal = page->horizontal;
    auto set = [direction](double x, double y) {
        direction->x = x;
        direction->y = y;
    };
    const int kind = direction->kind;
    switch (kind) {
    case 0:
        horizontal ? set(-0.1, style->dynamicsOffset + 1.0)
                   : set(-0.1, 1.5 - style->dynamicsOffset);
        return;
    case 1:
        if (direction->noteIndex == atNoNote)
            set(0.0, -1.0);
        else if (direction->noteIndex == atMeasureEnd)
            horizontal ? set(-1.0, -1.0) : set(-1.2, 0.5);
        else if (horizontal)
            set(0.0, style->textOffset - 1.5);
        else if (direction->rotation == 1)
            set(0.0, 0.0);
        else
            set(0.0, -0.8 - style->textOffset);
        placeOnAskedSide(direction, style, horizontal);
        return;
    case 2:
        horizontal ? set(0.0, 0.0) : set(0.0, 0.45 * style->rehearsalMarkSize);
        return;
    case 3:
    case 4:
        horizontal ? set(0.0, style->wedgeOffset + 1.0) : set(0.0, 1.0 - style->wedgeOffset);
        placeOnAskedSide(direction, style, horizontal);
        return;
    case 6:
        horizontal ? set(0.5, 0.0) : set(0.5, 0.5);
        return;
    case 9:
        // Tempo text: where words above the notes stand.
        horizontal ? set(0.0, style->textOffset - 1.5) : set(0.0, -0.8 - style->textOffset);
        return;
    case 17:
        set(0.0, -1.0);
        placeOnAskedSide(direction, style, horizontal);
        return;
    case 19:
        set(0.0, -1.2);
        return;
    case 20:
        set(0.0, 1.2);
        return;
    default:
        break;
    }
    if (kind >= 7 && kind <= 16) // 9 is handled above
        horizontal ? set(-1.5, 0.0) : set(-1.5, 0.5);
    // Kinds 5, 18, 21 and above (and unread directions) keep their offset.
}

Direction *Score::directionAt(int measure, int part, int voice, int index) const
{
    const Measure *m = measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    return v ? v->shownDirections().value(index) : nullptr;
}
