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
            // Beside the bar, but a count of several digits stays clear of
            // the column's frame; past the bar's other side if it must.
            const MePart *cell = m->parts.at(part);
            const double frame = (m->getPartCenter(part) + 0.5 * cell->partExtent - 0.4) * q;
            double x = std::min((c + 0.4 * size) * q, frame - w);
            if (x < (c + t) * q)
                x = (c - 0.4 * size) * q - w;
            number->setPos(x, middle - lineHeight / 2);
        } else if (staff) {
            number->setPos(middle - w / 2, (c - size / 2) * q - 1.2 * lineHeight);
        } else {
            number->setPos(middle - w / 2, c * q - 1.2 * lineHeight);
        }
        scene->addItem(number);
    }
    return 1;
}
