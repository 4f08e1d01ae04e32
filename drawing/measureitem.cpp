#include "drawing/measureitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

MeasureItem::MeasureItem(Score *owner, int width, int height)
    : QGraphicsItem(nullptr), owner(owner), width(width), height(height)
{
}

QRectF MeasureItem::boundingRect() const
{
    return QRectF(0.0, 0.0, width, height);
}

void MeasureItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    if (!(option->state & QStyle::State_Selected))
        return;
    const QBrush oldBrush = painter->brush();
    const QPen oldPen = painter->pen();
    painter->setBrush(QBrush(QColor(250, 250, 200)));
    painter->setPen(QPen(Qt::black, 0.5));
    const QRect rect(0, 0, width - 1, height - 1);
    painter->drawRects(&rect, 1);
    painter->setBrush(oldBrush);
    painter->setPen(oldPen);
}
