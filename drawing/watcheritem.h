// The invisible item that the generation makes once and installs as the
// scene-event filter of every movable item, so that dragging ends in move
// commands.
//
// Belongs to the scene; keeps its owning Score without owning it. It has
// no extent and draws nothing.
#pragma once

#include <QGraphicsItem>

class Score;

class WatcherItem : public QGraphicsItem
{
public:
    explicit WatcherItem(Score *owner);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    Score *owner = nullptr;
};
