// The outline of one note-font glyph as plain filled paths, captured once
// from the font's SVG renderer and painted directly afterwards.
//
// A glyph drawn through QSvgRenderer carries the renderer's per-element
// state changes into every output; in a PDF they, and the glyph's outline
// coordinates written at full precision, make up most of a large score's
// page content. Painting the captured fills instead gives the same shapes
// with one fill per path. Strokes are captured as the outlines they paint.
#pragma once

#include <QBrush>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPainterPath>

#include <memory>

class QPainter;
class QSvgRenderer;

class GlyphOutline
{
public:
    struct Fill
    {
        QPainterPath path; // item coordinates: the element's box moved to (0, 0)
        QBrush brush;
    };

    // Captures what `renderer` draws for `glyphId` into the rectangle a
    // QGraphicsSvgItem gives it. The outline is not `simple()` when the
    // element draws anything other than solid fills and strokes (text,
    // images, gradients, clipping): such glyphs keep going through the
    // renderer.
    static GlyphOutline capture(QSvgRenderer &renderer, const QString &glyphId);

    bool simple() const { return m_simple; }
    const QList<Fill> &fills() const { return m_fills; }

    // Paints the fills with the painter's current transform. In a PDF the
    // points are first mapped to the writer's device grid and rounded
    // there (1/1200 inch): whole numbers are written short.
    void paint(QPainter *painter) const;

private:
    QList<Fill> m_fills;
    bool m_simple = false;
};

// The captured outlines of one renderer, kept as the renderer's child so
// they live exactly as long as the font they came from.
class GlyphOutlineCache : public QObject
{
    Q_OBJECT

public:
    // The cache of `renderer`, made on first use.
    static GlyphOutlineCache *of(QSvgRenderer *renderer);

    // The outline of `glyphId`, captured on first use; stays valid while
    // the renderer lives.
    const GlyphOutline *outline(const QString &glyphId);

private:
    explicit GlyphOutlineCache(QSvgRenderer *renderer);

    QSvgRenderer *m_renderer;
    QHash<QString, std::shared_ptr<const GlyphOutline>> m_outlines;
};
