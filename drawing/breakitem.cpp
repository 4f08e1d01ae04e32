#include "drawing/breakitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

BreakItem::BreakItem(int kind, int a, int b, int width, int height)
    : QGraphicsItem(nullptr), kind(kind), a(a), b(b), width(width), height(height)
{
}

int BreakItem::kindOfBreakType(int userBreakType)
{
    if (userBreakType < 1 || userBreakType > 6)
        return 0;
    return (userBreakType - 1) % 3 + 1;
}

QColor BreakItem::colorOf(int kind, bool selected)
{
    if (selected)
        return QColor(250, 250, 200);
    switch (kind) {
    case LineBreak:
        return QColor(100, 240, 240);
    case PageBreak:
        return QColor(240, 0, 100);
    case WhitePageBreak:
        return QColor(100, 100, 100);
    default:
        return QColor(240, 240, 240);
    }
}

QRectF BreakItem::boundingRect() const
{
    return QRectF(0.0, 0.0, width, height);
}

void BreakItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const QBrush oldBrush = painter->brush();
    painter->setBrush(QBrush(colorOf(kind, option->state & QStyle::State_Selected)));
    const QRect rect(0, 0, width - 1, height - 1);
    painter->drawRects(&rect, 1);
    painter->setBrush(oldBrush);
}
