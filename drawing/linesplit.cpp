#include "drawing/linesplit.h"

#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"

#include <QGraphicsItem>

QList<LineSpan> splitAtLineEnds(const Score *score, int first, int last, double from, double to)
{
    const bool horizontal = score->page->horizontal;
    QList<LineSpan> pieces;
    for (int i = first; i < last; ++i) {
        const Measure *m = score->measures.at(i);
        if (!m->stageEnd)
            continue;
        pieces.append({m, from, horizontal ? m->originX + m->width : m->originY + m->height});
        const Measure *next = score->measures.at(i + 1);
        from = horizontal ? next->originX : next->originY;
    }
    pieces.append({score->measures.at(last), from, to});
    return pieces;
}

void keepInsideSystem(QGraphicsItem *item, const Score *score, const Measure *measure)
{
    const bool horizontal = score->page->horizontal;
    const double k = score->page->scaleFactor;
    const QRectF box = item->sceneBoundingRect();
    const double low = (horizontal ? measure->originY : measure->originX) * k;
    const double high = low + (horizontal ? measure->height : measure->width) * k;
    const double from = horizontal ? box.top() : box.left();
    const double to = horizontal ? box.bottom() : box.right();
    double shift = 0.0;
    if (to > high)
        shift = high - to;
    if (from + shift < low)
        shift = low - from;
    if (shift != 0.0)
        item->moveBy(horizontal ? 0.0 : shift, horizontal ? shift : 0.0);
}
