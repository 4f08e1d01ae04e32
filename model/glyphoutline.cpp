#include "model/glyphoutline.h"

#include "model/glyphfont.h"

#include <QDebug>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// A paint engine that keeps what is drawn as solid fills in device
// coordinates and solid strokes with their transformation, and notes
// anything it can't keep that way.
class OutlineRecorder : public QPaintEngine
{
public:
    OutlineRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyOpacity)
            m_opaque = state.opacity() >= 1.0;
        if (flags & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) {
            if (state.isClipEnabled() || state.clipOperation() != Qt::NoClip)
                m_simple = false;
        }
        if ((flags & DirtyCompositionMode) &&
            state.compositionMode() != QPainter::CompositionMode_SourceOver)
            m_simple = false;
    }

    void drawPath(const QPainterPath &path) override { record(path, true); }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            record(path, false); // a polyline is only stroked
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        record(path, true);
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { m_simple = false; }
    void drawImage(const QRectF &, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        m_simple = false;
    }
    void drawTextItem(const QPointF &, const QTextItem &) override { m_simple = false; }

    QList<GlyphOutline::Shape> shapes;
    bool simple() const { return m_simple; }

private:
    void record(const QPainterPath &path, bool fill)
    {
        if (!m_opaque)
            m_simple = false;
        if (fill && m_brush.style() != Qt::NoBrush && isSolid(m_brush))
            shapes.append({m_transform.map(path), m_brush, Qt::NoPen, QTransform()});
        if (m_pen.style() != Qt::NoPen && isSolid(m_pen.brush()))
            shapes.append({path, Qt::NoBrush, m_pen, m_transform});
    }

    bool isSolid(const QBrush &brush)
    {
        if (brush.style() == Qt::SolidPattern && brush.isOpaque())
            return true;
        m_simple = false;
        return false;
    }

    QTransform m_transform;
    QPen m_pen = Qt::NoPen;
    QBrush m_brush = Qt::NoBrush;
    bool m_opaque = true;
    bool m_simple = true;
};

class OutlineDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &m_recorder; }
    OutlineRecorder &recorder() { return m_recorder; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable OutlineRecorder m_recorder;
};

// The PDF writer prints a coordinate with nine significant digits unless it
// is a whole number. Its device unit (1/600 inch for the score's export) is
// finer than a printer resolves, so whole units lose nothing visible.
QPainterPath roundedToDeviceGrid(const QPainterPath &path, const QTransform &toDevice)
{
    QPainterPath rounded;
    rounded.setFillRule(path.fillRule());
    rounded.reserve(path.elementCount());
    const auto snap = [&toDevice](const QPainterPath::Element &e) {
        const QPointF p = toDevice.map(QPointF(e.x, e.y));
        return QPointF(std::round(p.x()), std::round(p.y()));
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            rounded.moveTo(snap(e));
            break;
        case QPainterPath::LineToElement:
            rounded.lineTo(snap(e));
            break;
        case QPainterPath::CurveToElement:
            rounded.cubicTo(snap(e), snap(path.elementAt(i + 1)), snap(path.elementAt(i + 2)));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break; // consumed with its curve
        }
    }
    return rounded;
}

// Whether `transform` stretches a glyph along one axis to more than twice
// its scale along the other (turned or not), as a bracket drawn to a span's
// length is; glyphs fitted to a width or height differ far less.
bool stretchesOneAxis(const QTransform &transform)
{
    const double across = std::hypot(transform.m11(), transform.m12());
    const double down = std::hypot(transform.m21(), transform.m22());
    return std::max(across, down) > 2.0 * std::min(across, down);
}

// Whether one of `shapes` is a stroke of the font glyph that does not trace
// the edge of a filled shape: a line, a bracket, a ring. A stroke that
// makes a fill bolder only moves that fill's edge, and the fill shows at
// any scale.
bool hasLoneStrokeInFont(const QList<GlyphOutline::Shape> &shapes)
{
    return std::any_of(
        shapes.cbegin(), shapes.cend(), [&shapes](const GlyphOutline::Shape &stroke) {
            if (stroke.pen.style() == Qt::NoPen || !GlyphFont::strokeInFont(stroke))
                return false;
            const QPainterPath traced = stroke.transform.map(stroke.path);
            return std::none_of(shapes.cbegin(), shapes.cend(),
                                [&traced](const GlyphOutline::Shape &fill) {
                                    return fill.pen.style() == Qt::NoPen && fill.path == traced;
                                });
        });
}

bool paintsPdf(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    return engine && engine->type() == QPaintEngine::Pdf;
}

} // namespace

GlyphOutline GlyphOutline::capture(QSvgRenderer &renderer, const QString &glyphId)
{
    GlyphOutline outline;
    if (!renderer.isValid() || !renderer.elementExists(glyphId)) {
        // The item stays empty; the log says which glyph a font lacks, once
        // per font, since outlines are cached.
        if (renderer.isValid() && !glyphId.isEmpty())
            qWarning().noquote() << "Note font has no glyph" << glyphId;
        return outline;
    }
    outline.m_exists = true;
    outline.m_size = renderer.boundsOnElement(glyphId).size();
    OutlineDevice device;
    QPainter painter(&device);
    const QRectF bounds(QPointF(0.0, 0.0), outline.m_size);
    renderer.render(&painter, glyphId, bounds);
    painter.end();
    outline.m_shapes = device.recorder().shapes;
    outline.m_simple = device.recorder().simple();
    return outline;
}

void GlyphOutline::paint(QPainter *painter) const
{
    painter->save();
    const bool pdf = paintsPdf(painter);
    const QTransform world = painter->worldTransform();
    // Fills and strokes as one glyph of the glyph font, unless a glyph with
    // a lone stroke is stretched along one axis: a stroke squeezed thinner
    // than a device pixel still shows as a line, where the same shape
    // filled as a font glyph all but vanishes. Fills, and strokes that only
    // make a fill bolder, look the same either way, so such glyphs come
    // from the font at any scale, as the notes of a narrowed measure do.
    const bool fillsDrawn = pdf && m_fontGlyph >= 0 &&
                            !(m_fontGlyphHasLoneStrokes && stretchesOneAxis(world)) &&
                            GlyphFont::draw(painter, m_fontGlyph);
    const QTransform toDevice = painter->combinedTransform();
    const QTransform deviceWorld = toDevice.inverted() * world; // paints in device units
    for (const Shape &shape : m_shapes) {
        if (shape.pen.style() != Qt::NoPen) {
            if (fillsDrawn && GlyphFont::strokeInFont(shape))
                continue;
            painter->setWorldTransform(shape.transform * world);
            painter->setPen(shape.pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawPath(shape.path);
            continue;
        }
        if (fillsDrawn)
            continue;
        painter->setPen(Qt::NoPen);
        painter->setBrush(shape.brush);
        if (pdf) {
            painter->setWorldTransform(deviceWorld);
            painter->drawPath(roundedToDeviceGrid(shape.path, toDevice));
        } else {
            painter->setWorldTransform(world);
            painter->drawPath(shape.path);
        }
    }
    painter->restore();
}

GlyphOutlineCache::GlyphOutlineCache(QSvgRenderer *renderer)
    : QObject(renderer), m_renderer(renderer)
{
}

void GlyphOutlineCache::setFontFile(const QString &path)
{
    m_fontKey = GlyphFont::fontKey(path);
}

GlyphOutlineCache *GlyphOutlineCache::of(QSvgRenderer *renderer)
{
    if (!renderer)
        return nullptr;
    auto *cache = renderer->findChild<GlyphOutlineCache *>(QString(), Qt::FindDirectChildrenOnly);
    return cache ? cache : new GlyphOutlineCache(renderer);
}

const GlyphOutline *GlyphOutlineCache::outline(const QString &glyphId)
{
    auto it = m_outlines.find(glyphId);
    if (it == m_outlines.end()) {
        auto outline = std::make_shared<GlyphOutline>(GlyphOutline::capture(*m_renderer, glyphId));
        if (!m_fontKey.isEmpty() && outline->simple()) {
            outline->m_fontGlyph = GlyphFont::glyphIndex(
                m_fontKey, glyphId, GlyphFont::fingerprint(GlyphFont::contours(*outline)));
            outline->m_fontGlyphHasLoneStrokes = hasLoneStrokeInFont(outline->m_shapes);
        }
        it = m_outlines.insert(glyphId, std::move(outline));
    }
    return it->get();
}
