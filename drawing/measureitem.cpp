#include "drawing/measureitem.h"

MeasureItem::MeasureItem(Score *owner, int width, int height)
    : QGraphicsItem(nullptr), owner(owner), width(width), height(height)
{
}

QRectF MeasureItem::boundingRect() const
{
    return QRectF(0.0, 0.0, width, height);
}

// The selected look arrives with the measure drawing.
void MeasureItem::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {}
