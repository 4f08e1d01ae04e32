// Score: the one rule from a hand-placed item's scene position to the user
// offset stored on its model object, shared by dragging, the arrow keys and
// aligning. Each case inverts where the generation draws a moved item of
// its kind, so that an item stands after the next regeneration exactly
// where it was put.
#include "model/score.h"

#include "layout/aligner.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "view/flowmarks.h"
#include "view/movecommands.h"

#include <QFontMetricsF>
#include <QGraphicsItem>

#include <algorithm>

namespace {

// Scene units the ending item's x is read further in vertical writing,
// where its anchor is the measure's far edge.
constexpr double verticalEndingShift = 15.0;

// Notation kinds drawn by the articulation generator as glyphs placed from
// their note; slurs, tremolos and wavy lines are drawn by their own
// painters from the same kind of offset.
constexpr int tremoloKind = 10;

} // namespace

ItemTags Score::readItemTags(const QGraphicsItem *item) const
{
    ItemTags t;
    t.type = item->data(TagType).toInt();
    switch (t.type) {
    case NotationItem:
        getNotationItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case DirectiveItem:
        getDirectiveItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case DirectionItem:
        getDirectionItemTag(item, &t.measure, &t.part, &t.voice, &t.index);
        break;
    case CreditItem:
        getCreditItemTag(item, &t.index);
        break;
    case LyricItem:
        getLyricItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case EndingItem:
        getEndingItemTag(item, &t.measure);
        break;
    case FingeringItem:
        getFingeringItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    default:
        getItemTag(item, &t.measure, &t.part, &t.voice, &t.note);
        break;
    }
    return t;
}

bool Score::itemOffsetOrigin(const QGraphicsItem *item, QPointF *origin) const
{
    const ItemTags t = readItemTags(item);
    if (t.type < NotationItem || t.type > StoppedItem || t.type == NoteItem)
        return false;
    const bool horizontal = page->horizontal;

    if (t.type == CreditItem) {
        if (!credits.value(t.index))
            return false;
        const QRectF header = page->headerAreaRect;
        *origin = QPointF(horizontal ? header.x() : header.x() + header.width(), header.y());
        return true;
    }
    const Measure *m = measures.value(t.measure);
    if (!m)
        return false;
    if (t.type == EndingItem) {
        *origin = QPointF(horizontal ? m->originX : m->originX + m->width, m->originY);
        return true;
    }
    if (t.type == DirectionItem) {
        // The tag counts in the voice's shown directions, so one that a
        // multi-measure rest shows is found as well.
        if (!directionAt(t.measure, t.part, t.voice, t.index))
            return false;
        *origin = getDirectionPosition(t.measure, t.part, t.voice, t.index);
        return true;
    }

    Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    if (!note)
        return false;
    // A mark of the note flow is placed by the flow alone: an offset
    // stored for it would change nothing on the page.
    if (t.type == DirectiveItem) {
        const Directive *directive = note->directives.value(t.index);
        if (!directive || inNoteFlow(directive))
            return false;
    }
    const QPointF final = m->getItemFinalPosFrame(t.part, t.voice, note->firstAlignItem);
    if (t.type == NotationItem) {
        const Notation *notation = note->notations.value(t.index);
        if (!notation)
            return false;
        if (notation->kind == NotationKind::Slur) {
            *origin = slurOrigin(t, note);
            return true;
        }
    }
    switch (t.type) {
    case NotationItem:
    case HarmonicItem:
    case UpBowItem:
    case StoppedItem: {
        // Along the line these count from the note's reference position,
        // which follows the note's own shift; across from its glyph.
        const double along = m->getItemFinalRefPos(t.part, t.voice, note->firstAlignItem);
        *origin = horizontal ? QPointF(along, final.y()) : QPointF(final.x(), along);
        return true;
    }
    case LyricItem: {
        // Across the line a lyric counts from its staff's note line.
        const double noteLine = m->getPartNoteLine(note->staff, t.part);
        *origin = horizontal ? QPointF(final.x(), noteLine) : QPointF(noteLine, final.y());
        return true;
    }
    default: // directives, octave-instruction marks and fingerings
        *origin = final;
        return true;
    }
}

QPointF Score::slurOrigin(const ItemTags &t, Note *note) const
{
    Measure *m = measures.at(t.measure);
    const QPointF start = m->getItemFinalPosFrame(t.part, t.voice, note->firstAlignItem);
    const bool horizontal = page->horizontal;
    if (parts.value(t.part) && parts.at(t.part)->notationStyle == 12) {
        // A staff slur starts at its note moved by the note's own shift.
        const double shift = note->noteShiftMajor + note->noteShiftSub;
        return horizontal ? start + QPointF(shift * getNoteItemScaleX(m, note, t.part, t.voice), 0)
                          : start + QPointF(0, shift * getNoteItemScaleY(m, note, t.part, t.voice));
    }
    // The other notations draw a placed slur from its note's glyph.
    return start;
}

bool Score::itemOffsetAt(const QGraphicsItem *item, const QPointF &scenePos, QPointF *offset) const
{
    QPointF origin;
    if (!itemOffsetOrigin(item, &origin))
        return false;
    const ItemTags t = readItemTags(item);
    const bool horizontal = page->horizontal;

    QPointF position = scenePos;
    if (t.type == EndingItem && !horizontal)
        position.rx() += verticalEndingShift;
    double dx = position.x() / page->scaleFactor - origin.x();
    double dy = position.y() / page->scaleFactor - origin.y();
    const Part *part = parts.value(t.type == EndingItem ? 0 : t.part);
    if (t.type != CreditItem) {
        if (!part || part->noteFontSize == 0.0)
            return false;
        dx /= part->noteFontSize;
        dy /= part->noteFontSize;
    }
    // Vertical writing stores the pair turned: its first member runs along
    // the line (down the page), its second across it. Kinds drawn leftwards
    // of their anchor for a growing second member store it negated.
    const QPointF along(horizontal ? dx : dy, horizontal ? dy : dx);
    const QPointF turned(dy, -dx);
    const Note *note = noteAt(t.measure, t.part, t.voice, t.note);

    switch (t.type) {
    case NotationItem: {
        const Notation *notation = note ? note->notations.value(t.index) : nullptr;
        if (!notation)
            return false;
        *offset = along - QPointF(0.0, notationCorrection(notation, t.part));
        return true;
    }
    case DirectiveItem:
    case DirectionItem:
    case CreditItem:
    case HarmonicItem:
    case UpBowItem:
    case StoppedItem:
        *offset = horizontal ? QPointF(dx, dy) : turned;
        return true;
    case OctaveInstItem: {
        // The mark's along member is drawn squeezed with the measure.
        const Measure *m = measures.at(t.measure);
        const double q = m->aligner ? m->aligner->scaleRatio() : 1.0;
        const double ratio = std::min(q, 1.0);
        *offset = QPointF(along.x() / ratio, along.y());
        return true;
    }
    case LyricItem: {
        if (horizontal) {
            *offset = QPointF(dx, dy);
            return true;
        }
        // A turned lyric stands its own line height further right.
        double lift = 0.0;
        if (page->rotateLyrics)
            lift =
                QFontMetricsF(part->lyricsFont).height() / page->scaleFactor / part->noteFontSize;
        *offset = QPointF(dy, lift - dx);
        return true;
    }
    case EndingItem:
        *offset = QPointF(dx, dy);
        return true;
    case FingeringItem:
        *offset = along - QPointF(style->fingeringOffsetL, style->fingeringOffsetW);
        return true;
    default:
        return false;
    }
}

double Score::notationCorrection(const Notation *notation, int part) const
{
    // Each painter lifts its mark off the note by its own style offset
    // across the line; the slurs of staff notation start from their moved
    // end point itself.
    if (notation->kind == tremoloKind)
        return style->tremoloOffsetW;
    if (notation->kind == NotationKind::Slur) {
        const Part *settings = parts.value(part);
        return settings && settings->notationStyle == 12 ? 0.0 : style->slurOffset;
    }
    return style->notationOffset;
}

QUndoCommand *Score::makeItemMoveCommand(const QGraphicsItem *item, const QPointF &offset,
                                         bool spanRefresh)
{
    const ItemTags t = readItemTags(item);
    Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    QUndoCommand *command = nullptr;
    QString text;
    switch (t.type) {
    case NotationItem: {
        Notation *notation = note ? note->notations.value(t.index) : nullptr;
        if (!notation)
            return nullptr;
        command = new NotationMove(this, notation, offset);
        // A moved slur or wavy line reshapes its drawn span.
        const bool span = notation->kind == NotationKind::Slur || notation->kind == 11;
        text = spanRefresh && span ? QStringLiteral("NotationMove Refresh")
                                   : QStringLiteral("NotationMove");
        break;
    }
    case DirectiveItem: {
        Directive *directive = note ? note->directives.value(t.index) : nullptr;
        if (!directive)
            return nullptr;
        command = new DirectiveMove(this, directive, offset);
        text = QStringLiteral("DirectiveMove");
        break;
    }
    case DirectionItem: {
        Direction *direction = directionAt(t.measure, t.part, t.voice, t.index);
        if (!direction)
            return nullptr;
        command = new DirectionMove(this, direction, offset);
        // Wedges and brackets are spans drawn from the direction.
        const int kind = direction->kind;
        text = kind == 3 || kind == 4 || kind == 17 ? QStringLiteral("DirectionMove Refresh")
                                                    : QStringLiteral("DirectionMove");
        break;
    }
    case CreditItem: {
        Credit *credit = credits.value(t.index);
        if (!credit)
            return nullptr;
        command = new CreditMove(this, credit, offset);
        text = QStringLiteral("CreditMove");
        break;
    }
    case OctaveInstItem:
        if (!note)
            return nullptr;
        command = new OctaveInstMove(this, note, offset);
        text = QStringLiteral("OctaveInstMove");
        break;
    case LyricItem: {
        Lyrics *lyric = note ? note->lyrics.value(t.index) : nullptr;
        if (!lyric)
            return nullptr;
        command = new LyricMove(this, lyric, offset);
        text = QStringLiteral("LyricMove");
        break;
    }
    case EndingItem: {
        Measure *measure = measures.value(t.measure);
        if (!measure)
            return nullptr;
        command = new EndingMove(this, measure, offset);
        text = QStringLiteral("EndingMove");
        break;
    }
    case FingeringItem: {
        Fingering *fingering = note ? note->fingerings.value(t.index) : nullptr;
        if (!fingering)
            return nullptr;
        command = new FingeringMove(this, fingering, offset);
        text = QStringLiteral("FingeringMove");
        break;
    }
    case HarmonicItem:
        if (!note || !note->harmonic)
            return nullptr;
        command = new HarmonicMove(this, note->harmonic, offset);
        text = QStringLiteral("HarmonicMove");
        break;
    case UpBowItem:
        if (!note || !note->upBow)
            return nullptr;
        command = new UpBowMove(this, note->upBow, offset);
        text = QStringLiteral("UpBowMove");
        break;
    case StoppedItem:
        if (!note || !note->stopped)
            return nullptr;
        command = new StoppedMove(this, note->stopped, offset);
        text = QStringLiteral("StoppedMove");
        break;
    default:
        return nullptr;
    }
    command->setText(text);
    return command;
}

QGraphicsItem *Score::modelItemOf(QGraphicsItem *item) const
{
    const ItemTags t = readItemTags(item);
    const Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    QGraphicsItem *own = nullptr;
    switch (t.type) {
    case NotationItem:
        if (const Notation *notation = note ? note->notations.value(t.index) : nullptr)
            own = notation->item;
        break;
    case DirectiveItem:
        if (const Directive *directive = note ? note->directives.value(t.index) : nullptr)
            own = directive->item;
        break;
    case DirectionItem:
        if (const Direction *direction = directionAt(t.measure, t.part, t.voice, t.index))
            own = direction->item;
        break;
    case CreditItem:
        if (const Credit *credit = credits.value(t.index))
            own = credit->item;
        break;
    case OctaveInstItem:
        own = note ? note->octaveInstItem : nullptr;
        break;
    case FingeringItem:
        if (const Fingering *fingering = note ? note->fingerings.value(t.index) : nullptr)
            own = fingering->item;
        break;
    case HarmonicItem:
        own = note && note->harmonic ? note->harmonic->item : nullptr;
        break;
    default:
        break;
    }
    // An item made outside a generation (or a chord's second fingering
    // glyph) stands for its object itself.
    return own ? own : item;
}
