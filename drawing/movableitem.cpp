#include "drawing/movableitem.h"

#include "model/score.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

MovableItem::MovableItem(Score *owner, int width, int height)
    : QGraphicsItem(nullptr), owner(owner), width(width), height(height)
{
}

QRectF MovableItem::boundingRect() const
{
    return QRectF(0.0, 0.0, width, height);
}

void MovableItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    if (!(option->state & QStyle::State_Selected))
        return;
    const QBrush oldBrush = painter->brush();
    const QPen oldPen = painter->pen();
    painter->setBrush(QBrush(QColor(50, 250, 200, 200)));
    painter->setPen(QPen(QColor(50, 0, 0, 0), 0.5));
    const QRect rect(0, 0, width - 1, height - 1);
    painter->drawRects(&rect, 1);
    painter->setBrush(oldBrush);
    painter->setPen(oldPen);
}

void MovableItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mousePressEvent(event);
    pressPosition = pos();
}

void MovableItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mouseMoveEvent(event);
}

void MovableItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mouseReleaseEvent(event);
    // QPointF's comparison is fuzzy, so a click that did not move the
    // handle regenerates nothing.
    if (pos() != pressPosition && owner)
        owner->requestRegeneration();
}
