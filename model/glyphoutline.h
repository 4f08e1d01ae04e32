// The outline of one note-font glyph as plain filled paths, captured once
// from the font's SVG renderer and painted directly afterwards.
//
// A glyph drawn through QSvgRenderer carries the renderer's per-element
// state changes into every output; in a PDF they, and the glyph's outline
// coordinates written at full precision, make up most of a large score's
// page content. Painting the captured shapes instead gives the same look
// with one fill or stroke per path.
#pragma once

#include <QBrush>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <memory>

class QPainter;
class QSvgRenderer;

class GlyphOutline
{
public:
    // A filled path in item coordinates (the element's box moved to
    // (0, 0)), or a path stroked with `pen` in the coordinates that
    // `transform` maps to item coordinates. Strokes stay strokes so that
    // viewers keep thin lines visible at any zoom.
    struct Shape
    {
        QPainterPath path;
        QBrush brush;
        QPen pen = Qt::NoPen;
        QTransform transform;
    };

    // Captures what `renderer` draws for `glyphId` into the element's box
    // moved to (0, 0). The outline is not `simple()` when the element draws
    // anything other than solid fills and strokes (text, images, gradients,
    // clipping): such glyphs keep going through the renderer.
    static GlyphOutline capture(QSvgRenderer &renderer, const QString &glyphId);

    bool exists() const { return m_exists; }
    QSizeF size() const { return m_size; } // the element's box; empty when it doesn't exist
    bool simple() const { return m_simple; }
    const QList<Shape> &shapes() const { return m_shapes; }

    // The glyph of the glyph font (glyphfont.h) that draws this outline's
    // fills and strokes, or -1 when none does.
    int fontGlyph() const { return m_fontGlyph; }

    // Paints the shapes with the painter's current transform. In a PDF the
    // fills and strokes are one glyph of the glyph font where there is one,
    // since the PDF then holds their outline once; otherwise the points of
    // fills are first mapped to the writer's device grid and rounded there:
    // whole numbers are written short.
    void paint(QPainter *painter) const;

private:
    friend class GlyphOutlineCache;

    QList<Shape> m_shapes;
    QSizeF m_size;
    bool m_exists = false;
    bool m_simple = false;
    int m_fontGlyph = -1;
    bool m_fontGlyphHasLoneStrokes = false; // strokes in the font glyph that trace no fill's edge
};

// The captured outlines of one renderer, kept as the renderer's child so
// they live exactly as long as the font they came from.
class GlyphOutlineCache : public QObject
{
    Q_OBJECT

public:
    // The cache of `renderer`, made on first use.
    static GlyphOutlineCache *of(QSvgRenderer *renderer);

    // The file the renderer was loaded from, which names its glyphs in the
    // glyph font; set once, before the first outline is asked for.
    void setFontFile(const QString &path);

    // The outline of `glyphId`, captured on first use; stays valid while
    // the renderer lives.
    const GlyphOutline *outline(const QString &glyphId);

private:
    explicit GlyphOutlineCache(QSvgRenderer *renderer);

    QSvgRenderer *m_renderer;
    QString m_fontKey; // empty: no glyph of the glyph font is looked up
    QHash<QString, std::shared_ptr<const GlyphOutline>> m_outlines;
};
