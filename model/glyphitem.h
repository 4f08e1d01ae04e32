// Scene items that draw one glyph of a note font.
//
// Many items share one renderer per font. QGraphicsSvgItem keeps only a raw
// pointer to a shared renderer, so each item made here also holds a
// reference to it: the renderer lives at least as long as the last item
// that draws with it, whatever happens to the part or score that loaded it.
// The items paint their glyph from its captured outline (glyphoutline.h).
#pragma once

#include <QString>

#include <memory>

class QGraphicsSvgItem;
class QSvgRenderer;

namespace GlyphItems {

// A new item without parent (the caller or the scene owns it) drawing the
// element `glyphId` of `renderer`, with caching off. An id the font lacks,
// or a null renderer, gives an item that draws nothing and has an empty
// bounding rectangle.
QGraphicsSvgItem *create(const std::shared_ptr<QSvgRenderer> &renderer, const QString &glyphId);

} // namespace GlyphItems
