// Score's multi-measure rest bar: one thick bar per staff across a measure
// that stands for a run of rests, with short end strokes and the number of
// measures it stands for.
#include "drawing/mytextitem.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QBrush>
#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QPen>

#include <algorithm>

namespace {

// A vertical count beside the bar at `bar` (mm across), centred on
// `middle` (scene units along): right of the bar, or left of it when the
// column's frame leaves no room on the right. A count too wide for either
// side stands upright, digit under digit, as numbers do in vertical text.
void placeColumnCount(const Measure *m, int part, MyTextItem *number, double bar, double size,
                      double q)
{
    const double half = 0.5 * m->parts.at(part)->partExtent - 0.4;
    const double right = (m->getPartCenter(part) + half) * q;
    const double left = (m->getPartCenter(part) - half) * q;
    const double clear = (bar + 0.125 * size) * q; // past the bar's ink
    auto place = [&](double *x) {
        const double w = number->boundingRect().width();
        *x = std::min((bar + 0.4 * size) * q, right - w);
        if (*x >= clear)
            return true;
        *x = (bar - 0.4 * size) * q - w;
        return *x >= left;
    };
    double x = 0.0;
    if (!place(&x)) {
        number->setVertical(true);
        place(&x);
    }
    number->setPos(x, number->y() - number->boundingRect().height() / 2);
}

} // namespace

int Score::genMultiRestItems(Measure *m, int part, int count)
{
    const Part *p = parts.at(part);
    const bool horizontal = page->horizontal;
    const bool staff = p->notationStyle == NotationStyle::StaffNotation;
    const double q = page->scaleFactor;
    const double size = p->noteFontSize;
    const double t = 0.125 * size;
    const double measureStart = horizontal ? m->originX : m->originY;
    const double b0 = measureStart + m->aligner->headWidth() + 0.7 * size;
    const double b1 = measureStart + (horizontal ? m->width : m->height) - 0.8 * size;
    const double length = b1 - b0;

    QFont font = style->defaultFont;
    font.setWeight(QFont::Bold);
    font.setPixelSize(qMax(1, int(q * (staff ? 0.8 * size : size))));
    const double lineHeight = QFontMetrics(font).height();

    for (int k = 0; k < p->staffCount; ++k) {
        const double c = m->getPartNoteLine(k, part);
        auto *bar = horizontal ? new QGraphicsRectItem(0.0, 0.0, length * q, t * q)
                               : new QGraphicsRectItem(0.0, 0.0, t * q, length * q);
        bar->setPos(horizontal ? QPointF(b0 * q, (c - t / 2) * q)
                               : QPointF((c - t / 2) * q, b0 * q));
        bar->setBrush(QBrush(Qt::black, Qt::SolidPattern));
        bar->setPen(QPen());
        scene->addItem(bar);

        // End strokes of half a note size across the bar.
        const double strokeStart = c - 0.25 * size;
        for (const double along : {b0, b1}) {
            auto *stroke = horizontal ? new QGraphicsLineItem(0.0, 0.0, 0.0, size * q / 2)
                                      : new QGraphicsLineItem(0.0, 0.0, size * q / 2, 0.0);
            stroke->setPos(horizontal ? QPointF(along * q, strokeStart * q)
                                      : QPointF(strokeStart * q, along * q));
            stroke->setPen(QPen());
            scene->addItem(stroke);
        }

        auto *number = new MyTextItem(QString::number(count), false);
        number->setFont(font);
        number->setCacheMode(QGraphicsItem::NoCache);
        const double w = number->boundingRect().width();
        const double middle = (b0 + length / 2) * q;
        if (!horizontal && staff) {
            number->setRotation(90.0);
            number->setPos((c + size / 2) * q + 1.3 * lineHeight, middle - w / 2);
        } else if (!horizontal) {
            number->setY(middle);
            placeColumnCount(m, part, number, c, size, q);
        } else if (staff) {
            number->setPos(middle - w / 2, (c - size / 2) * q - 1.2 * lineHeight);
        } else {
            number->setPos(middle - w / 2, c * q - 1.2 * lineHeight);
        }
        scene->addItem(number);
    }
    return 1;
}
