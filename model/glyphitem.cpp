#include "model/glyphitem.h"

#include "model/glyphoutline.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

GlyphItem::GlyphItem(std::shared_ptr<QSvgRenderer> font, const QString &glyphId,
                     QGraphicsItem *parent)
    : QGraphicsItem(parent), m_font(std::move(font))
{
    setElementId(glyphId);
}

void GlyphItem::setElementId(const QString &glyphId)
{
    prepareGeometryChange();
    m_glyphId = glyphId;
    m_outline = m_font ? GlyphOutlineCache::of(m_font.get())->outline(glyphId) : nullptr;
}

QRectF GlyphItem::boundingRect() const
{
    return m_outline ? QRectF(QPointF(0.0, 0.0), m_outline->size()) : QRectF();
}

QRectF GlyphItem::inkRect() const
{
    if (!m_outline || !m_outline->exists())
        return {};
    QRectF ink;
    for (const GlyphOutline::Shape &shape : m_outline->shapes()) {
        if (shape.brush.style() != Qt::NoBrush)
            ink = ink.united(shape.path.boundingRect());
        if (shape.pen.style() != Qt::NoPen) {
            const double half = shape.pen.widthF() / 2.0;
            ink = ink.united(
                shape.transform.map(shape.path).boundingRect().adjusted(-half, -half, half, half));
        }
    }
    // A glyph drawn through the renderer has no shapes to measure: its box
    // stands for its ink.
    return ink.isEmpty() && !m_outline->simple() ? boundingRect() : ink;
}

void GlyphItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    if (!m_outline || !m_outline->exists())
        return;
    if (m_outline->simple())
        m_outline->paint(painter);
    else
        m_font->render(painter, m_glyphId, boundingRect());
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(option->palette.windowText(), 0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(boundingRect());
    }
}

GlyphItem *GlyphItems::create(const std::shared_ptr<QSvgRenderer> &renderer, const QString &glyphId)
{
    return new GlyphItem(renderer, glyphId);
}
