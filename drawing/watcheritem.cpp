#include "drawing/watcheritem.h"

#include <QPainterPath>

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
