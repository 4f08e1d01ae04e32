// Scene items that draw one glyph of a note font.
//
// Many items share one renderer per font; each item holds a reference to
// it, so the renderer lives at least as long as the last item that draws
// with it, whatever happens to the part or score that loaded it. An item
// paints its glyph from the outline captured once per font and glyph
// (glyphoutline.h); a glyph that can't be captured is drawn by the renderer.
// Item coordinates are the glyph element's own units with its box moved to
// (0, 0).
#pragma once

#include <QGraphicsItem>
#include <QString>

#include <memory>

class GlyphOutline;
class QSvgRenderer;

class GlyphItem : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 13
    };

    // Draws the element `glyphId` of `font`. An id the font lacks, or a null
    // font, gives an item that draws nothing and has an empty bounding
    // rectangle.
    GlyphItem(std::shared_ptr<QSvgRenderer> font, const QString &glyphId,
              QGraphicsItem *parent = nullptr);

    QSvgRenderer *renderer() const { return m_font.get(); }
    QString elementId() const { return m_glyphId; }
    void setElementId(const QString &glyphId);

    QRectF boundingRect() const override;
    // What the glyph inks, in item coordinates: its fills and strokes,
    // which may lie inside the box it is set by or reach past it. Empty
    // for an item that draws nothing.
    QRectF inkRect() const;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;
    int type() const override { return Type; }

private:
    std::shared_ptr<QSvgRenderer> m_font;
    QString m_glyphId;
    const GlyphOutline *m_outline = nullptr;
};

namespace GlyphItems {

// A new item without parent (the caller or the scene owns it) drawing the
// element `glyphId` of `renderer`.
GlyphItem *create(const std::shared_ptr<QSvgRenderer> &renderer, const QString &glyphId);

} // namespace GlyphItems
