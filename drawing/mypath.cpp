#include "drawing/mypath.h"

#include "model/notefonts.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr double tileStep = 3.9;

// Appends one figure of the ornament centred at (c, 0): a stroke that
// thickens and thins, then the same turned half round about its centre.
void addOrnament(QPainterPath &path, double c, double h, double u)
{
    auto p = [c, h, u](double fx, double fy) { return QPointF(c + fx * h, fy * u); };
    path.moveTo(p(-1.0, -0.08));
    path.lineTo(p(-0.65, -0.5));
    path.quadTo(p(-0.275, -0.8), p(0.0, -0.6));
    path.lineTo(p(0.6, -0.075));
    path.quadTo(p(0.65, -0.01), p(0.7, -0.075));
    path.lineTo(p(0.75, -0.15));
    path.quadTo(p(0.8, -0.2), p(0.89, -0.15));
    path.lineTo(p(1.0, -0.05));
    path.quadTo(p(1.05, -0.03), p(1.0, 0.08));
    path.lineTo(p(0.65, 0.5));
    path.quadTo(p(0.275, 0.8), p(0.0, 0.6));
    path.lineTo(p(-0.6, 0.075));
    path.quadTo(p(-0.65, 0.01), p(-0.7, 0.075));
    path.lineTo(p(-0.75, 0.15));
    path.quadTo(p(-0.8, 0.2), p(-0.89, 0.15));
    path.lineTo(p(-1.0, 0.05));
    path.quadTo(p(-1.05, 0.03), p(-1.0, -0.08));
}

} // namespace

MyPath::MyPath() : QGraphicsItem(nullptr) {}

void MyPath::setWavePath(int newKind, double newLength, bool newAlongX, double newSize)
{
    prepareGeometryChange();
    kind = newKind;
    length = newLength;
    alongX = newAlongX;
    size = newSize;
    bounds = alongX ? QRectF(0.0, -0.3 * size, length, 0.6 * size)
                    : QRectF(-0.3 * size, 0.0, 0.6 * size, length);
}

QRectF MyPath::boundingRect() const
{
    return bounds;
}

QPainterPath MyPath::wavePath() const
{
    QPainterPath path;
    if (size <= 0.0)
        return path;
    const int n = int(2.0 * length / size);
    if (n < 1)
        return path;
    const double step = length / n;
    const double half = step / 2.0;
    const double a = (kind == 1 && alongX) ? 0.3 * size : 0.6 * size;
    auto point = [this](double along, double across) {
        return alongX ? QPointF(along, across) : QPointF(across, along);
    };
    path.moveTo(0.0, 0.0);
    for (int i = 0; i < n; ++i) {
        // Along y the first apex lies on the positive side, along x on the
        // negative one.
        const bool positive = alongX ? (i % 2 == 1) : (i % 2 == 0);
        const QPointF apex = point(i * step + half, positive ? a : -a);
        const QPointF end = point((i + 1) * step, 0.0);
        if (kind == 1) {
            path.lineTo(apex);
            path.lineTo(end);
        } else {
            path.quadTo(apex, end);
        }
    }
    return path;
}

QPainterPath MyPath::ornamentPath() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (size <= 0.0)
        return path;
    const double k = kind == 2 ? 3.0 : 5.0;
    const int m = int(k * length / size);
    if (m < 1)
        return path;
    const double p = length / m;
    const double h = p / 1.7;
    const double u = (kind == 2 ? 0.13 : 0.1) * size;
    for (int j = 0; j < m; ++j)
        addOrnament(path, h + j * p, h, u);
    return path;
}

QPainterPath MyPath::linePath() const
{
    if (kind == 0 || kind == 1)
        return wavePath();
    if ((kind == 2 || kind == 3) && alongX)
        return ornamentPath();
    return QPainterPath();
}

QList<QRectF> MyPath::tileRects() const
{
    QList<QRectF> tiles;
    if (kind != 3 || alongX)
        return tiles;
    const int count = qMax(2, int(length / tileStep));
    for (int k = 0; k < count; ++k)
        tiles.append(QRectF(k * tileStep, -1.0, 5.0, 2.0));
    return tiles;
}

void MyPath::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::RoundCap);
    pen.setWidth(1);
    if (kind == 0 || kind == 1) {
        pen.setWidth(int(0.2 * size));
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(wavePath());
        return;
    }
    if (kind == 3 && !alongX) {
        if (!tileRenderer)
            tileRenderer = NoteFonts::renderer(NoteFonts::commonFontPath());
        for (const QRectF &tile : tileRects())
            tileRenderer->render(painter, QStringLiteral("wavy_Glissando"), tile);
        return;
    }
    if (kind == 2 || kind == 3) {
        if (!alongX)
            return;
        pen.setWidth(0);
        painter->setPen(pen);
        const QPainterPath path = ornamentPath();
        painter->drawPath(path);
        painter->fillPath(path, Qt::black);
    }
}
