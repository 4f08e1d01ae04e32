// Score's stage bracket: the bracket that joins every part of one line of
// music, left of the line in horizontal writing and above it in vertical
// writing.
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QPen>

namespace {

constexpr double thinLineZ = -20.0;

QPen bracketPen(double width)
{
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

int Score::genBracketItems(const Measure *measure, bool thin)
{
    const double s = page->scaleFactor;
    const double x = measure->originX;
    const double y = measure->originY;
    const double w = measure->width;
    const double h = measure->height;
    auto line = [this, s](double x1, double y1, double x2, double y2, const QPen &pen) {
        return scene->addLine(x1 * s, y1 * s, x2 * s, y2 * s, pen);
    };

    if (thin) {
        const QPen pen = bracketPen(0.2 * s);
        QList<QGraphicsLineItem *> lines;
        if (page->horizontal) {
            lines << line(x, y, x - 1.5, y + 1.5, pen)
                  << line(x - 1.5, y + 1.5, x - 1.5, y + h - 1.5, pen)
                  << line(x - 1.5, y + h - 1.5, x, y + h, pen);
        } else {
            lines << line(x, y, x + 1.5, y - 1.5, pen)
                  << line(x + 1.5, y - 1.5, x + w - 1.5, y - 1.5, pen)
                  << line(x + w - 1.5, y - 1.5, x + w, y, pen);
        }
        for (QGraphicsLineItem *item : lines)
            item->setZValue(thinLineZ);
        return 1;
    }

    const QPen pen = bracketPen(0.8 * s);
    auto glyph = [this](const QString &id) {
        GlyphItem *item = GlyphItems::create(commonRenderer, id);
        item->setCacheMode(QGraphicsItem::NoCache);
        return item;
    };
    // Both glyphs are placed with the size of the first one.
    if (page->horizontal) {
        GlyphItem *top = glyph(QStringLiteral("Bracket_Top"));
        const QRectF size = top->boundingRect();
        top->setPos(x * s - 0.455 * size.width(), y * s - 0.7 * size.height());
        scene->addItem(top);
        line(x - 0.92, y + 0.9, x - 0.92, y + h - 0.9, pen);
        GlyphItem *bottom = glyph(QStringLiteral("Bracket_Bottom"));
        bottom->setPos(x * s - 0.455 * size.width(), (y + h) * s - 0.3 * size.height());
        scene->addItem(bottom);
    } else {
        GlyphItem *left = glyph(QStringLiteral("Bracket_Left"));
        const QRectF size = left->boundingRect();
        left->setPos(x * s - 0.55 * size.width(), y * s - 0.488 * size.height());
        scene->addItem(left);
        line(x + 0.9, y - 1.1, x + w - 0.9, y - 1.1, pen);
        GlyphItem *right = glyph(QStringLiteral("Bracket_Right"));
        right->setPos((x + w) * s - 0.32 * size.width(), y * s - 0.488 * size.height());
        scene->addItem(right);
    }
    return 1;
}
