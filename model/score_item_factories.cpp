// Score's item factories: note-font glyph items and bold text items, and
// the centring of a glyph item in a box of a given length.
#include "model/glyphitem.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

#include <QGraphicsTextItem>
#include <QTransform>

#include <cmath>

GlyphItem *Score::createSvgItem(int part, bool common, const QString &glyphId, bool grace,
                                       bool swap, double a, double b) const
{
    const Part *p = parts.at(part);
    GlyphItem *item =
        GlyphItems::create(common ? commonRenderer : p->noteFontRenderer, glyphId);
    double s = p->noteFontSize * page->glyphScale;
    if (grace)
        s *= style->graceNoteScale;
    item->setTransform(swap ? QTransform::fromScale(a * s, b * s)
                            : QTransform::fromScale(b * s, a * s));
    return item;
}

QGraphicsTextItem *Score::createBoldTextItem(const QString &text, double factor) const
{
    QFont font = style->textFont;
    font.setWeight(QFont::Bold);
    // A point size below 1 is no font size; the smallest one stands in.
    font.setPointSize(qMax(1, int(std::trunc(factor * 14.0))));
    auto *item = new QGraphicsTextItem(text);
    item->setCacheMode(QGraphicsItem::NoCache);
    item->setFont(font);
    return item;
}

namespace {

// The glyph's extent in millimetres when drawn for a box of length `size`:
// its own length in font units at the page's glyph scale.
double glyphExtent(const Page *page, double fontUnits, double size)
{
    return page->glyphScale * size * fontUnits / page->scaleFactor;
}

} // namespace

double Score::getItemCenterX(const QGraphicsItem *item, double factor, double size) const
{
    return getItemFarX(item, factor, size) * 0.5;
}

double Score::getItemCenterY(const QGraphicsItem *item, double factor, double size) const
{
    return getItemFarY(item, factor, size) * 0.5;
}

double Score::getItemFarX(const QGraphicsItem *item, double factor, double size) const
{
    return size - factor * glyphExtent(page, item->boundingRect().width(), size);
}

double Score::getItemFarY(const QGraphicsItem *item, double factor, double size) const
{
    return size - factor * glyphExtent(page, item->boundingRect().height(), size);
}
