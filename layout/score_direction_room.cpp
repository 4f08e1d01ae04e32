// Score's room for direction texts: default-placed texts kept inside their
// part's row, and, once every item is drawn, clear of the notes and of each
// other.
#include "drawing/mytextitem.h"
#include "glyphs/staff_glyph_support.h"
#include "layout/alignitem.h"
#include "model/direction.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QGraphicsItem>

#include <algorithm>
#include <utility>

namespace {

using namespace DirectionKind;

// The frame line's half pen and a hair of air, mm.
constexpr double edgeMargin = 0.4;
// Air between a direction and a note or another direction, mm.
constexpr double directionGap = 0.3;
// Bounded nudging: a text that is still in the way after this many steps
// stays where it is.
constexpr int settleSteps = 8;

// Where the stage that starts at displayed measure `first` ends along the
// reading direction, mm.
double stageEndOf(const QList<Measure *> &measures, int first, bool horizontal)
{
    const int stage = measures.at(first)->lineIndex;
    double end = 0.0;
    for (int i = first; i < measures.size() && measures.at(i)->lineIndex == stage; ++i) {
        const Measure *m = measures.at(i);
        end = horizontal ? m->originX + m->width : m->originY + m->height;
    }
    return end;
}

// The repeat signs and words drawn as one glyph item of their own.
bool isRepeatGlyph(int kind)
{
    return kind >= Coda && kind <= LastRepeatWord && kind != Metronome;
}

// Text boxes hold the font's full ascent and descent, glyph boxes their
// advance: boxes that overlap by less than this (mm) are not ink on ink.
constexpr double touchMm = 0.3;

// Boxes of the visible ink of a part's notes in a measure, scene units
// (`s` per mm): the note glyphs, and in staff notation also their stems,
// flags, beams, ledger lines and accidentals. A stem or beam is ink to its
// box's edge, where a text's descenders reach: those boxes grow by the
// touching overlap, so that a text only grazing them still moves clear.
QList<QRectF> noteGlyphBoxes(const Measure *measure, int part, double s)
{
    const double grow = touchMm * s;
    QList<QRectF> boxes;
    for (const Voice *voice : measure->parts.at(part)->voices) {
        for (const AlignItem *aligned : voice->alignItems) {
            const QGraphicsItem *item = aligned->graphicsItem;
            if (!item || !item->isVisible() || !item->scene())
                continue;
            const int type = item->data(TagType).toInt();
            if (type == NoteItem)
                boxes.append(item->sceneBoundingRect());
            else if (type == NotePartItem)
                boxes.append(item->sceneBoundingRect().adjusted(-grow, -grow, grow, grow));
        }
    }
    for (const QRectF &beam : measure->beamBoxes.value(part))
        boxes.append(beam.adjusted(-grow, -grow, grow, grow));
    return boxes;
}

// The edges (mm) across the reading direction between which a part's
// direction texts stand: its row and the direction band above its notes,
// less the frame line's half pen.
std::pair<double, double> rowEdges(const Measure *measure, int part, bool horizontal)
{
    const MePart *cell = measure->parts.at(part);
    const double centre = measure->getPartCenter(part);
    double low = centre - 0.5 * cell->partExtent + edgeMargin;
    double high = centre + 0.5 * cell->partExtent - edgeMargin;
    // Above the notes: up in horizontal writing, right in vertical writing.
    if (horizontal)
        low -= cell->directionBand;
    else
        high += cell->directionBand;
    return {low, high};
}

bool overlapping(const QRectF &a, const QRectF &b, double scale)
{
    const double touch = touchMm * scale;
    return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > touch &&
           std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > touch;
}

// How far, in mm from the note line of the part's first staff, the ink
// of the measure's notes on that staff reaches to the side above them:
// their glyphs (heads, stems, flags, ledger lines, accidentals) as they are
// aligned, and the stems and beam of a beamed note with its stem up, which
// are drawn only once the notes stand in place: a stem of the usual length
// and one beam line past the head. 0 for none.
double inkAbove(const Score *score, const Measure *measure, int part)
{
    const double s = score->page->scaleFactor;
    const bool horizontal = score->page->horizontal;
    const double size = score->parts.at(part)->noteFontSize;
    double reach = 0.0;
    for (const Voice *voice : measure->parts.at(part)->voices) {
        for (const Note *note : voice->notes) {
            if (!note->visible || note->staff != 0 || note->firstAlignItem < 0)
                continue;
            double head = 0.0;
            for (int i = std::max(0, note->alignItemBegin);
                 i <= note->alignItemEnd && i < voice->alignItems.size(); ++i) {
                const AlignItem *aligned = voice->alignItems.at(i);
                const QGraphicsItem *glyph = aligned->graphicsItem;
                if (!glyph)
                    continue;
                const int type = glyph->data(TagType).toInt();
                if (type != NoteItem && type != NotePartItem)
                    continue;
                const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
                head = std::max(head, horizontal ? -(aligned->refOffsetY + box.top() / s)
                                                 : aligned->refOffsetX + box.right() / s);
            }
            if (!note->rest && note->stemShown == 1 && StaffGlyphs::isBeamed(note))
                head += (Score::getStemBaseLength(note->noteType) * 0.125 + 0.12) * size;
            reach = std::max(reach, head);
        }
    }
    return reach;
}

// The extent across the reading direction of a words direction's text as
// drawn, mm.
double wordsAcross(const Score *score, const Direction *direction)
{
    const bool horizontal = score->page->horizontal;
    QString text = direction->text;
    const bool dotted = text.startsWith(QLatin1Char('.'));
    if (dotted)
        text.remove(0, 1);
    MyTextItem sample(text, dotted && !horizontal);
    sample.setFont(direction->fontGiven ? direction->font : score->style->textFont);
    const QRectF box = sample.boundingRect();
    // Across a horizontal page, and turned on a vertical one, the text's
    // height lies across; upright or unturned on a vertical page its width.
    const int r = direction->rotation;
    const bool upright = !horizontal && (r == 3 || r == 1 || (r == 0 && dotted));
    return (upright ? box.width() : box.height()) / score->page->scaleFactor;
}

} // namespace

double Score::directionBandOf(int part, int first, int last)
{
    const Part *settings = parts.at(part);
    if (settings->notationStyle != NotationStyle::StaffNotation || page->scaleFactor <= 0.0)
        return 0.0;
    // The room above the first staff's note line within the row.
    const double room = 0.5 * partRowExtent(part) / std::max(1, settings->staffCount) -
                        settings->partShift * settings->noteFontSize;
    double band = 0.0;
    for (int i = first; i <= last && i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        const MePart *cell = measure->parts.value(part);
        if (!cell || measure->multiRestCount >= 2)
            continue;
        double ink = -1.0;
        for (const Voice *voice : cell->voices) {
            for (Direction *direction : voice->shownDirections()) {
                if (direction->kind != Words || direction->moved || direction->staff != 0 ||
                    direction->visibility == 2)
                    continue;
                // The offset drawing gives it: above the notes when negative.
                setDefaultItemOffset(direction);
                if (direction->y >= 0.0)
                    continue;
                if (ink < 0.0)
                    ink = inkAbove(this, measure, part);
                const double need =
                    ink + touchMm + directionGap + wordsAcross(this, direction) + edgeMargin;
                band = std::max(band, need - room);
            }
        }
    }
    return band;
}

void Score::keepDirectionInRow(QGraphicsItem *item, int measureIndex, int part,
                               const Direction *direction) const
{
    const Measure *m = measures.value(measureIndex);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    if (!item || !cell || !direction || direction->moved ||
        isMeasureLevelDirection(direction->kind) || cell->partExtent <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const auto [lowMm, highMm] = rowEdges(m, part, horizontal);
    const double low = lowMm * s;
    const double high = highMm * s;
    const QRectF box = item->sceneBoundingRect();
    const double first = horizontal ? box.top() : box.left();
    const double last = horizontal ? box.bottom() : box.right();
    // Only an item across an edge moves; one wider than the row, or one
    // wholly outside it, stays where its offset put it.
    double shift = 0.0;
    if (last - first > high - low)
        return;
    if (first < low && last > low)
        shift = low - first;
    else if (last > high && first < high)
        shift = high - last;
    if (shift != 0.0)
        item->moveBy(horizontal ? 0.0 : shift, horizontal ? shift : 0.0);
}

QPointF Score::measureLevelShiftIntoStage(const QGraphicsItem *item, int measureIndex,
                                          int part) const
{
    const Measure *m = measures.value(measureIndex);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    // In horizontal writing these marks hang from the stage's top edge;
    // in vertical writing they start at its right edge and would run over
    // the frame line into the next column.
    if (!item || !cell || page->horizontal)
        return QPointF();
    const double s = page->scaleFactor;
    const double high = (m->originX + m->width - edgeMargin) * s;
    QRectF box = item->sceneBoundingRect();
    if (box.right() <= high || box.left() >= high)
        return QPointF();
    QPointF shift(high - box.right(), 0.0);
    // Brought inside, a wide mark may land on the notes beside the edge:
    // it moves on down the column past them.
    const QList<QRectF> notes = noteGlyphBoxes(m, part, s);
    box.translate(shift);
    for (int step = 0; step < settleSteps; ++step) {
        double push = 0.0;
        for (const QRectF &note : notes) {
            if (overlapping(box, note, s))
                push = std::max(push, note.bottom() - box.top());
        }
        if (push <= 0.0)
            break;
        const double by = push + directionGap * s;
        box.translate(0.0, by);
        shift.ry() += by;
    }
    return shift;
}

void Score::settleDirectionTexts()
{
    // Per part, the texts settled so far on the stage and the stage's note
    // glyphs: a text may reach into the next measure.
    QList<QList<QRectF>> settled(parts.size());
    QList<QList<QRectF>> stageNotes(parts.size());
    int stage = -1;
    double stageEnd = 0.0;
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        if (measure->lineIndex != stage || i == 0) {
            stage = measure->lineIndex;
            collectStageNotes(i, stageNotes);
            stageEnd = stageEndOf(displayedMeasures, i, page->horizontal) * page->scaleFactor;
            for (QList<QRectF> &placed : settled)
                placed.clear();
        }
        for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
            const MePart *cell = measure->parts.at(p);
            if (cell->collapsed || cell->partExtent <= 0.0)
                continue;
            const QList<QRectF> &notes = stageNotes.at(p);
            QList<QRectF> &placed = settled[p];
            for (const Voice *voice : cell->voices) {
                for (Direction *direction : voice->shownDirections()) {
                    QGraphicsItem *item = direction->item;
                    const int kind = direction->kind;
                    if (!item || !item->scene() || !item->isVisible())
                        continue;
                    // A text that dodges a note along the line stays within
                    // its measure; texts side by side may run on to the end
                    // of the stage, as a row of dynamics does.
                    const double measureEnd =
                        (page->horizontal ? measure->originX + measure->width
                                          : measure->originY + measure->height) *
                        page->scaleFactor;
                    if (!direction->moved && (kind == Dynamics || kind == Words) &&
                        direction->y != 0.0) {
                        clearDirectionOfNotes(item, measure, p, direction->y > 0.0, notes,
                                              measureEnd);
                        // Texts side by side along the line: a later one
                        // moves on past the one before it, and past the
                        // notes it then meets.
                        moveAlongPast(item, placed + notes, stageEnd);
                    } else if (!direction->moved && isRepeatGlyph(kind)) {
                        moveAlongPast(item, placed, stageEnd);
                    }
                    placed.append(item->sceneBoundingRect());
                }
            }
        }
    }
}

void Score::collectStageNotes(int first, QList<QList<QRectF>> &notes) const
{
    const int stage = displayedMeasures.at(first)->lineIndex;
    for (QList<QRectF> &boxes : notes)
        boxes.clear();
    for (int i = first; i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        if (measure->lineIndex != stage)
            break;
        for (int p = 0; p < notes.size() && p < measure->parts.size(); ++p)
            notes[p] += noteGlyphBoxes(measure, p, page->scaleFactor);
    }
}

void Score::clearDirectionOfNotes(QGraphicsItem *item, const Measure *measure, int part,
                                  bool downOrLeft, const QList<QRectF> &notes, double limit) const
{
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double gap = directionGap * s;
    const QPointF start = item->pos();
    const QRectF before = item->sceneBoundingRect();
    // Away from the notes: down, or left in vertical writing.
    const double away = downOrLeft ? 1.0 : -1.0;
    for (int step = 0; step < settleSteps; ++step) {
        const QRectF box = item->sceneBoundingRect();
        double push = 0.0;
        for (const QRectF &note : notes) {
            if (!overlapping(box, note, s))
                continue;
            if (horizontal)
                push = std::max(push,
                                away > 0 ? note.bottom() - box.top() : box.bottom() - note.top());
            else
                push = std::max(push,
                                away > 0 ? box.right() - note.left() : note.right() - box.left());
        }
        if (push <= 0.0)
            return;
        const double by = push + gap;
        item->moveBy(horizontal ? 0.0 : -away * by, horizontal ? away * by : 0.0);
        // A text that would leave its row for it stands after the note
        // instead, on its own side of the line.
        const auto [lowMm, highMm] = rowEdges(measure, part, horizontal);
        const double low = lowMm * s;
        const double high = highMm * s;
        const QRectF moved = item->sceneBoundingRect();
        const double first = horizontal ? moved.top() : moved.left();
        const double last = horizontal ? moved.bottom() : moved.right();
        const double wasFirst = horizontal ? before.top() : before.left();
        const double wasLast = horizontal ? before.bottom() : before.right();
        if ((first < low && wasFirst >= low) || (last > high && wasLast <= high)) {
            item->setPos(start);
            moveAlongPast(item, notes, limit);
            return;
        }
    }
}

void Score::moveAlongPast(QGraphicsItem *item, const QList<QRectF> &others, double limit) const
{
    const bool horizontal = page->horizontal;
    const double gap = directionGap * page->scaleFactor;
    const QPointF start = item->pos();
    for (int step = 0;; ++step) {
        const QRectF box = item->sceneBoundingRect();
        double push = 0.0;
        for (const QRectF &other : others) {
            if (overlapping(box, other, page->scaleFactor))
                push = std::max(push, horizontal ? other.right() - box.left()
                                                 : other.bottom() - box.top());
        }
        if (push <= 0.0)
            return;
        if (step == settleSteps)
            break;
        item->moveBy(horizontal ? push + gap : 0.0, horizontal ? 0.0 : push + gap);
        // Past `limit` the text would leave its own notes.
        const QRectF moved = item->sceneBoundingRect();
        if ((horizontal ? moved.right() : moved.bottom()) > limit)
            break;
    }
    // Still in the way, or gone too far: moving it gained nothing, and it
    // stays where it was.
    item->setPos(start);
}
