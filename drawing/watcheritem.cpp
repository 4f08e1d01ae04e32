#include "drawing/watcheritem.h"

#include "model/itemtags.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QEvent>
#include <QPainterPath>
#include <QUndoStack>

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

bool WatcherItem::referencePoint(const QGraphicsItem *item, QPointF *point) const
{
    return owner->itemOffsetOrigin(item, point);
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
    bool reshapesSpans = false;
    {
        UndoMacro macro(owner, QStringLiteral("move selected items"));
        for (QUndoCommand *command : std::as_const(commands)) {
            reshapesSpans = reshapesSpans || command->text().endsWith(QLatin1String("Refresh"));
            owner->pushCommand(command);
        }
    }
    // The macro's own text does not ask the main window for a refresh, so
    // the drag asks for the redraw of its spans itself, from the event
    // loop: this runs inside the dragged item's mouse handler.
    if (reshapesSpans)
        owner->requestMoveRefresh();
}

QUndoCommand *WatcherItem::makeMoveCommand(QGraphicsItem *item)
{
    // Note glyphs are shifted by the arrow keys only.
    const int type = item->data(TagType).toInt();
    if (type == NoteItem)
        return nullptr;
    // A lyric let go on its own origin in vertical writing stays unmoved.
    QPointF origin;
    if (type == LyricItem && !owner->page->horizontal && owner->itemOffsetOrigin(item, &origin) &&
        item->scenePos() / owner->page->scaleFactor == origin)
        return nullptr;
    QPointF offset;
    if (!owner->itemOffsetAt(item, item->scenePos(), &offset))
        return nullptr;
    return owner->makeItemMoveCommand(item, offset, true);
}
