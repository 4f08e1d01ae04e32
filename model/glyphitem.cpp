#include "model/glyphitem.h"

#include "model/glyphoutline.h"

#include <QGraphicsSvgItem>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

namespace {

// Holds a reference to the font it was made with, and paints its glyph from
// the font's captured outline; glyphs that can't be captured, and the
// selection frame, are left to QGraphicsSvgItem. The outline is looked up
// again when the element or the renderer changes.
class GlyphItem : public QGraphicsSvgItem
{
public:
    explicit GlyphItem(std::shared_ptr<QSvgRenderer> font) : m_font(std::move(font)) {}

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override
    {
        const GlyphOutline *outline = currentOutline();
        if (!outline || !outline->simple() || (option->state & QStyle::State_Selected)) {
            QGraphicsSvgItem::paint(painter, option, widget);
            return;
        }
        outline->paint(painter);
    }

private:
    const GlyphOutline *currentOutline()
    {
        QSvgRenderer *current = renderer();
        const QString id = elementId();
        if (current != m_renderer || id != m_glyphId) {
            m_renderer = current;
            m_glyphId = id;
            m_outline = nullptr;
            if (current && !id.isEmpty())
                m_outline = GlyphOutlineCache::of(current)->outline(id);
        }
        return m_outline;
    }

    std::shared_ptr<QSvgRenderer> m_font;
    QSvgRenderer *m_renderer = nullptr;
    QString m_glyphId;
    const GlyphOutline *m_outline = nullptr;
};

} // namespace

QGraphicsSvgItem *GlyphItems::create(const std::shared_ptr<QSvgRenderer> &renderer,
                                     const QString &glyphId)
{
    auto *item = new GlyphItem(renderer);
    if (renderer)
        item->setSharedRenderer(renderer.get());
    item->setElementId(glyphId);
    item->setCacheMode(QGraphicsItem::NoCache);
    return item;
}
