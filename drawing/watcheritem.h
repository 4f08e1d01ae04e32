// The invisible item that the generation makes once and installs as the
// scene-event filter of every movable item, so that dragging ends in move
// commands. While an item is dragged it shows a guide line from the item
// to the point its offset counts from; on a release away from the press
// position it pushes one move command per selected item inside the macro
// "move selected items". It never consumes an event.
//
// Belongs to the scene; keeps its owning Score without owning it. It has
// no extent and draws nothing. Positions are scene units.
#pragma once

#include <QGraphicsItem>
#include <QPointF>

class QUndoCommand;
class Score;

class WatcherItem : public QGraphicsItem
{
public:
    explicit WatcherItem(Score *owner);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // One move command per selected item of a movable type (tags 4..8 and
    // 10..15), in the order of the scene's selection, inside one macro.
    // Items whose tags lead to no model object are skipped; when no item
    // is left, nothing is pushed.
    void pushMoveCommands();

    // Millimetres: the point that the offset of `item` counts from
    // (Score::itemOffsetOrigin, the rule every move shares). False for
    // note glyphs, untagged items and tags that lead to no model object.
    bool referencePoint(const QGraphicsItem *item, QPointF *point) const;

    Score *owner = nullptr;
    QGraphicsItem *watchedItem = nullptr; // the item of the last filtered event
    QPointF pressPosition;
    QPointF currentPosition;

protected:
    bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;

private:
    // The command for one item with its text set, or null.
    QUndoCommand *makeMoveCommand(QGraphicsItem *item);
};
