#include "model/glyphitem.h"

#include <QGraphicsSvgItem>
#include <QObject>
#include <QSvgRenderer>

namespace {

// A child of the item: deleted with it, and with it the item's reference
// to the renderer.
class RendererHold : public QObject
{
public:
    RendererHold(std::shared_ptr<QSvgRenderer> renderer, QObject *item)
        : QObject(item), m_renderer(std::move(renderer))
    {
    }

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QGraphicsSvgItem *GlyphItems::create(const std::shared_ptr<QSvgRenderer> &renderer,
                                     const QString &glyphId)
{
    auto *item = new QGraphicsSvgItem;
    if (renderer) {
        item->setSharedRenderer(renderer.get());
        new RendererHold(renderer, item);
    }
    item->setElementId(glyphId);
    item->setCacheMode(QGraphicsItem::NoCache);
    return item;
}
