// What a note font holds: its glyph ids in document order, and a glyph drawn
// into an image. A note font is an SVG whose top-level groups are glyphs,
// each group's id being the glyph id (see resources/notefonts/).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QSvgRenderer;

namespace NoteFontCatalog {

// Ids of the top-level glyph groups of the SVG at `path` (a file or ":/"
// resource), in document order. Returns an empty list and sets `error` when
// the file cannot be read or is not well-formed XML.
QStringList glyphIds(const QString &path, QString *error = nullptr);

// The glyph `id` drawn black on transparent at `pixelsPerUnit` pixels per
// SVG unit, sized to the glyph's bounds. A null image when the renderer has
// no such element.
QImage renderGlyph(QSvgRenderer &renderer, const QString &id, double pixelsPerUnit);

// Number of pixels of `image` with noticeable ink (alpha above a quarter).
int inkedPixels(const QImage &image);

} // namespace NoteFontCatalog
