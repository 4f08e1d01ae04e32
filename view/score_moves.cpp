// Score: moving selected items with the arrow keys, the score view's key
// handler, slur curve shifts and the redraw of spans after a move.
#include "model/score.h"

#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/notefonts.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/voice.h"
#include "view/movecommands.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QKeyEvent>
#include <QUndoStack>

#include <algorithm>

namespace {

constexpr double keyScroll = 30.0;
// Scene units an arrow press moves an item.
constexpr double keyStep = 1.0;
// Note sizes one arrow press shifts a staff note along the line.
constexpr double noteShiftStep = 0.075;
// Curve-shift units one slur command bends a half of a slur.
constexpr double slurShiftStep = 3.0;

QPointF stepFor(int direction)
{
    switch (direction) {
    case Score::MoveRight:
        return QPointF(keyStep, 0.0);
    case Score::MoveLeft:
        return QPointF(-keyStep, 0.0);
    case Score::MoveUp:
        return QPointF(0.0, -keyStep);
    default:
        return QPointF(0.0, keyStep);
    }
}

bool asksForRefresh(const QList<QUndoCommand *> &commands)
{
    for (const QUndoCommand *command : commands) {
        if (command->text().endsWith(QLatin1String("Refresh")))
            return true;
    }
    return false;
}

} // namespace

bool Score::moveItemsCommand(int direction)
{
    const QList<QGraphicsItem *> selection = scene->selectedItems();
    if (selection.isEmpty())
        return false;

    QList<QUndoCommand *> pushed;
    {
        UndoMacro macro(this, QStringLiteral("move selected items"));
        for (QGraphicsItem *item : selection) {
            const int type = item->data(TagType).toInt();
            if (type == NoteItem) {
                shiftStaffNote(item, direction);
                continue;
            }
            if (type != NotationItem && type != DirectiveItem && type != DirectionItem &&
                type != CreditItem && type != OctaveInstItem && type != FingeringItem &&
                type != HarmonicItem)
                continue;
            QGraphicsItem *own = modelItemOf(item);
            const QPointF stepped = own->pos() + stepFor(direction);
            QPointF offset;
            if (!itemOffsetAt(item, stepped, &offset))
                continue;
            // The arrow keys give every notation the plain text: the span
            // is redrawn at the next regeneration.
            QUndoCommand *command = makeItemMoveCommand(item, offset, false);
            if (!command)
                continue;
            own->setPos(stepped);
            pushCommand(command);
            pushed.append(command);
            setChanged(true);
        }
    }

    setSelectedNotes();
    if (!selectedNotes.isEmpty()) {
        generateScore();
        reselectNoteItems();
    } else if (asksForRefresh(pushed)) {
        requestMoveRefresh();
    }
    return true;
}

void Score::shiftStaffNote(const QGraphicsItem *item, int direction)
{
    int m = 0, p = 0, v = 0, n = 0;
    getItemTag(item, &m, &p, &v, &n);
    const Part *part = parts.value(p);
    Note *first = noteAt(m, p, v, n);
    if (!part || !first || part->notationStyle != NotationStyle::StaffNotation)
        return;
    setChanged(true);
    // Only a chord's first note moves the chord.
    if (first->chord || first->chordSize < 1)
        return;

    const double step = noteShiftStep * part->noteFontSize;
    // Along the line every note of the chord shifts; across it only rests,
    // by half the step. The key's screen direction runs along the line
    // sideways in horizontal writing and downwards in vertical writing.
    const QPointF key = stepFor(direction) / keyStep;
    const double along = (page->horizontal ? key.x() : key.y()) * step;
    const double across = (page->horizontal ? key.y() : key.x()) * step * 0.5;
    const QList<Note *> &notes = measures.at(m)->parts.at(p)->voices.at(v)->notes;
    const int end = std::min(n + first->chordSize, int(notes.size()));
    for (int i = n; i < end; ++i) {
        Note *note = notes.at(i);
        note->noteShiftMajor += along;
        if (note->rest)
            note->noteShiftSub += across;
    }
}

void Score::requestMoveRefresh()
{
    // The items die with the regeneration: note what to select before.
    setSelectedNotationItems();
    setSelectedDirections();
    setSelectedDirectiveItems();
    if (!reselectAfterRegeneration) {
        reselectAfterRegeneration = true;
        connect(
            this, &Score::sigRegenerate, this,
            [this] {
                reselectAfterRegeneration = false;
                reselectNotationItems();
                reselectDirectionItems();
                reselectDirectiveItems();
            },
            Qt::SingleShotConnection);
    }
    requestRegeneration();
}

void Score::keyPressEvent(QKeyEvent *event)
{
    qDebug().noquote() << "keyPressEvent =" << event->text() << event->modifiers();
    setTransformationAnchor(QGraphicsView::NoAnchor);
    const bool horizontal = page->horizontal;
    const int key = event->key();
    // The keys that bend a slur "up" and "down" follow the writing.
    const int bendUp = horizontal ? Qt::Key_Up : Qt::Key_Right;
    const int bendDown = horizontal ? Qt::Key_Down : Qt::Key_Left;
    const Qt::KeyboardModifiers modifiers = event->modifiers();

    if (modifiers & Qt::ControlModifier) {
        if (key == bendUp)
            slurShiftUpDownCommand(true, true);
        else if (key == bendDown)
            slurShiftUpDownCommand(true, false);
        else if (key == Qt::Key_X)
            reverseByKey();
    } else if (modifiers & Qt::AltModifier) {
        if (key == bendUp)
            slurShiftUpDownCommand(false, true);
        else if (key == bendDown)
            slurShiftUpDownCommand(false, false);
    } else {
        switch (key) {
        case Qt::Key_Up:
            if (!moveItemsCommand(MoveUp))
                translate(0.0, -keyScroll);
            break;
        case Qt::Key_Down:
            if (!moveItemsCommand(MoveDown))
                translate(0.0, keyScroll);
            break;
        case Qt::Key_Left:
            if (!moveItemsCommand(MoveLeft))
                translate(-keyScroll, 0.0);
            break;
        case Qt::Key_Right:
            if (!moveItemsCommand(MoveRight))
                translate(keyScroll, 0.0);
            break;
        case Qt::Key_X:
            reverseByKey();
            break;
        default:
            break;
        }
    }
    event->accept();
}

void Score::reverseByKey()
{
    qDebug().noquote() << "key_X event";
    reverseCommands();
}

void Score::slurShiftUpDownCommand(bool shift1, bool up)
{
    const QList<QGraphicsItem *> selection = scene->selectedItems();
    if (selection.isEmpty())
        return;
    setSelectedNotationItems();
    const double step = up ? slurShiftStep : -slurShiftStep;
    for (const QGraphicsItem *item : selection) {
        if (item->data(TagType).toInt() != NotationItem)
            continue;
        const ItemTags t = readItemTags(item);
        Note *note = noteAt(t.measure, t.part, t.voice, t.note);
        Notation *slur = note ? note->notations.value(t.index) : nullptr;
        if (!slur || slur->kind != NotationKind::Slur)
            continue;
        double a = slur->slurControlY1;
        double b = slur->slurControlY2;
        (shift1 ? a : b) += step;
        // Each slur is an undo step of its own.
        auto *command = new SlurShiftChange(this, slur, a, b);
        command->setText(QStringLiteral("SlurShiftChange"));
        pushCommand(command);
    }
    generateScore();
    reselectNotationItems();
}

void Score::slurLeftStrong()
{
    slurShiftUpDownCommand(true, true);
}

void Score::slurLeftWeak()
{
    slurShiftUpDownCommand(true, false);
}

void Score::slurRightStrong()
{
    slurShiftUpDownCommand(false, true);
}

void Score::slurRightWeak()
{
    slurShiftUpDownCommand(false, false);
}

void Score::slurWholeStrong()
{
    slurShiftUpDownCommand(true, true);
    slurShiftUpDownCommand(false, true);
}

void Score::slurWholeWeak()
{
    slurShiftUpDownCommand(true, false);
    slurShiftUpDownCommand(false, false);
}
