#include "drawing/watcheritem.h"

#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "view/movecommands.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QEvent>
#include <QPainterPath>
#include <QUndoStack>

namespace {

// The offsets of these notation and direction kinds reshape drawn spans,
// so their commands ask for a regeneration.
bool notationNeedsRefresh(int kind)
{
    return kind == 6 || kind == 11;
}

bool directionNeedsRefresh(int kind)
{
    return kind == 3 || kind == 4 || kind == 17;
}

// Whole-scene units the ending item's x is read further in vertical
// writing, where its anchor is the measure's far edge.
constexpr double verticalEndingShift = 15.0;

} // namespace

WatcherItem::WatcherItem(Score *owner) : QGraphicsItem(nullptr), owner(owner) {}

QRectF WatcherItem::boundingRect() const
{
    return QRectF(0.0, 0.0, 0.0, 0.0);
}

QPainterPath WatcherItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void WatcherItem::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {}

bool WatcherItem::sceneEventFilter(QGraphicsItem *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        pressPosition = watched->scenePos();
        break;
    case QEvent::GraphicsSceneMouseMove:
    case QEvent::GraphicsSceneMouseRelease:
    case QEvent::DragMove:
        break;
    default:
        return false;
    }

    watchedItem = watched;
    currentPosition = watched->scenePos();
    const int type = watched->data(TagType).toInt();
    const bool guided = type != NoteItem && type != UpBowItem && type != StoppedItem;
    QPointF reference;
    if (guided && referencePoint(watched, &reference))
        owner->scene->setGuideLine(QLineF(currentPosition, reference * owner->page->scaleFactor));

    if (event->type() == QEvent::GraphicsSceneMouseRelease && currentPosition != pressPosition) {
        pushMoveCommands();
        owner->scene->clearGuideLine();
    }
    owner->scene->update(QRectF());
    return false;
}

namespace {

// Bounds-checked lookups from item tags to model objects.
Note *noteAt(const Score *score, int measure, int part, int voice, int note)
{
    const Measure *m = score->measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    return v ? v->notes.value(note) : nullptr;
}

struct NoteTags
{
    int measure = 0;
    int part = 0;
    int voice = 0;
    int note = 0;
    int index = 0; // the notation, directive, direction, lyric or fingering
};

NoteTags readTags(const Score *score, const QGraphicsItem *item, int type)
{
    NoteTags t;
    switch (type) {
    case NotationItem:
        score->getNotationItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case DirectiveItem:
        score->getDirectiveItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case DirectionItem:
        score->getDirectionItemTag(item, &t.measure, &t.part, &t.voice, &t.index);
        break;
    case CreditItem:
        score->getCreditItemTag(item, &t.index);
        break;
    case LyricItem:
        score->getLyricItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    case EndingItem:
        score->getEndingItemTag(item, &t.measure);
        break;
    case FingeringItem:
        score->getFingeringItemTag(item, &t.measure, &t.part, &t.voice, &t.note, &t.index);
        break;
    default:
        score->getItemTag(item, &t.measure, &t.part, &t.voice, &t.note);
        break;
    }
    return t;
}

// Final position of the note's first own glyph (mm).
QPointF notePoint(const Score *score, const NoteTags &t, const Note *note)
{
    return score->measures.at(t.measure)->getItemFinalPosFrame(t.part, t.voice,
                                                               note->firstAlignItem);
}

// The note point moved along the writing direction by the note's shift in
// its glyph's scale: where notations and the bowing marks count from.
QPointF shiftedNotePoint(const Score *score, const NoteTags &t, Note *note)
{
    QPointF point = notePoint(score, t, note);
    Measure *measure = score->measures.at(t.measure);
    const double shift = note->noteShiftMajor + note->noteShiftSub;
    if (score->page->horizontal)
        point.rx() += shift * score->getNoteItemScaleX(measure, note, t.part, t.voice);
    else
        point.ry() += shift * score->getNoteItemScaleY(measure, note, t.part, t.voice);
    return point;
}

QPointF creditPoint(const Score *score)
{
    const QRectF header = score->page->headerAreaRect;
    const double x = score->page->horizontal ? header.x() : header.x() + header.width();
    return QPointF(x, header.y());
}

} // namespace

bool WatcherItem::referencePoint(const QGraphicsItem *item, QPointF *point) const
{
    const int type = item->data(TagType).toInt();
    if (type < NotationItem || type > StoppedItem || type == NoteItem)
        return false;
    const NoteTags t = readTags(owner, item, type);
    const bool horizontal = owner->page->horizontal;

    if (type == CreditItem) {
        if (!owner->credits.value(t.index))
            return false;
        *point = creditPoint(owner);
        return true;
    }
    if (type == EndingItem) {
        const Measure *m = owner->measures.value(t.measure);
        if (!m)
            return false;
        *point = QPointF(horizontal ? m->originX : m->originX + m->width, m->originY);
        return true;
    }
    if (type == DirectionItem) {
        const Measure *m = owner->measures.value(t.measure);
        const MePart *cell = m ? m->parts.value(t.part) : nullptr;
        const Voice *v = cell ? cell->voices.value(t.voice) : nullptr;
        if (!v || !v->directions.value(t.index))
            return false;
        *point = owner->getDirectionPosition(t.measure, t.part, t.voice, t.index);
        return true;
    }

    Note *note = noteAt(owner, t.measure, t.part, t.voice, t.note);
    if (!note)
        return false;
    switch (type) {
    case NotationItem:
    case HarmonicItem:
    case UpBowItem:
    case StoppedItem:
        *point = shiftedNotePoint(owner, t, note);
        return true;
    case FingeringItem:
        *point = owner->measures.at(t.measure)->getItemFinalRefPoint(t.part, t.voice,
                                                                     note->firstAlignItem);
        return true;
    case LyricItem: {
        const QPointF p = notePoint(owner, t, note);
        const double noteLine = owner->measures.at(t.measure)->getPartNoteLine(note->staff, t.part);
        *point = horizontal ? QPointF(p.x(), noteLine) : QPointF(noteLine, p.y());
        return true;
    }
    default: // directives and octave-instruction marks
        *point = notePoint(owner, t, note);
        return true;
    }
}

void WatcherItem::pushMoveCommands()
{
    QList<QUndoCommand *> commands;
    const QList<QGraphicsItem *> selection = owner->scene->selectedItems();
    for (QGraphicsItem *item : selection) {
        if (QUndoCommand *command = makeMoveCommand(item))
            commands.append(command);
    }
    // Every command reads its item's place before any is pushed: a redo
    // changes the model that the next item's reference point may read. A
    // drag of nothing movable pushes nothing, so the guard leaves no step.
    UndoMacro macro(owner, QStringLiteral("move selected items"));
    for (QUndoCommand *command : std::as_const(commands))
        owner->pushCommand(command);
}

QUndoCommand *WatcherItem::makeMoveCommand(QGraphicsItem *item)
{
    const int type = item->data(TagType).toInt();
    QPointF reference;
    if (!referencePoint(item, &reference))
        return nullptr;
    const NoteTags t = readTags(owner, item, type);
    const Page *page = owner->page;
    const Style *style = owner->style;
    const bool horizontal = page->horizontal;

    QPointF position = item->scenePos();
    if (type == EndingItem && !horizontal)
        position.rx() += verticalEndingShift;
    double dx = position.x() / page->scaleFactor - reference.x();
    double dy = position.y() / page->scaleFactor - reference.y();
    if (type != CreditItem) {
        const Part *part = owner->parts.value(type == EndingItem ? 0 : t.part);
        if (!part || part->noteFontSize == 0.0)
            return nullptr;
        dx /= part->noteFontSize;
        dy /= part->noteFontSize;
    }
    // Vertical writing stores the offset turned: its first component runs
    // along the writing direction.
    const QPointF turned(dy, -dx);
    Note *note = noteAt(owner, t.measure, t.part, t.voice, t.note);

    QUndoCommand *command = nullptr;
    QString text;
    switch (type) {
    case NotationItem: {
        Notation *notation = note->notations.value(t.index);
        if (!notation)
            return nullptr;
        double a = 0.0;
        double c = 0.0;
        if (owner->parts.at(t.part)->notationStyle != 12) {
            if (notation->kind == 10) {
                a = style->tremoloOffsetL;
                c = style->tremoloOffsetW;
            } else if (notation->kind == 6) {
                c = style->slurOffset;
            } else {
                c = style->notationOffset;
            }
        }
        const QPointF offset = horizontal ? QPointF(dx - a, dy - c) : QPointF(dy - a, dx - c);
        command = new NotationMove(owner, notation, offset);
        text = notationNeedsRefresh(notation->kind) ? QStringLiteral("NotationMove Refresh")
                                                    : QStringLiteral("NotationMove");
        break;
    }
    case DirectiveItem: {
        Directive *directive = note->directives.value(t.index);
        if (!directive)
            return nullptr;
        command = new DirectiveMove(owner, directive, horizontal ? QPointF(dx, dy) : turned);
        text = QStringLiteral("DirectiveMove");
        break;
    }
    case DirectionItem: {
        Direction *direction =
            owner->measures.at(t.measure)->parts.at(t.part)->voices.at(t.voice)->directions.at(
                t.index);
        command = new DirectionMove(owner, direction, horizontal ? QPointF(dx, dy) : turned);
        text = directionNeedsRefresh(direction->kind) ? QStringLiteral("DirectionMove Refresh")
                                                      : QStringLiteral("DirectionMove");
        break;
    }
    case CreditItem:
        command = new CreditMove(owner, owner->credits.at(t.index),
                                 horizontal ? QPointF(dx, dy) : turned);
        text = QStringLiteral("CreditMove");
        break;
    case OctaveInstItem:
        command = new OctaveInstMove(owner, note, horizontal ? QPointF(dx, dy) : QPointF(dy, dx));
        text = QStringLiteral("OctaveInstMove");
        break;
    case LyricItem: {
        Lyrics *lyric = note->lyrics.value(t.index);
        if (!lyric)
            return nullptr;
        QPointF offset(dx, dy);
        if (!horizontal) {
            if (dx == 0.0 && dy == 0.0)
                return nullptr;
            if (page->rotateLyrics)
                dx -= 1.0;
            offset = QPointF(dy, -dx);
        }
        command = new LyricMove(owner, lyric, offset);
        text = QStringLiteral("LyricMove");
        break;
    }
    case EndingItem:
        command = new EndingMove(owner, owner->measures.at(t.measure), QPointF(dx, dy));
        text = QStringLiteral("EndingMove");
        break;
    case FingeringItem: {
        Fingering *fingering = note->fingerings.value(t.index);
        if (!fingering)
            return nullptr;
        const double fl = style->fingeringOffsetL;
        const double fw = style->fingeringOffsetW;
        command = new FingeringMove(
            owner, fingering, horizontal ? QPointF(dx - fl, dy - fw) : QPointF(dy - fl, dx - fw));
        text = QStringLiteral("FingeringMove");
        break;
    }
    case HarmonicItem:
        if (!note->harmonic)
            return nullptr;
        command = new HarmonicMove(owner, note->harmonic, horizontal ? QPointF(dx, dy) : turned);
        text = QStringLiteral("HarmonicMove");
        break;
    case UpBowItem:
        if (!note->upBow)
            return nullptr;
        command = new UpBowMove(owner, note->upBow, horizontal ? QPointF(dx, dy) : turned);
        text = QStringLiteral("UpBowMove");
        break;
    case StoppedItem:
        if (!note->stopped)
            return nullptr;
        command = new StoppedMove(owner, note->stopped, horizontal ? QPointF(dx, dy) : turned);
        text = QStringLiteral("StoppedMove");
        break;
    default:
        return nullptr;
    }
    command->setText(text);
    return command;
}
