// Score's room for direction texts: a word or dynamic drawn at its default
// place that reaches over the edge of its part's row is brought back inside,
// so that it never sits on the frame line between rows.
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/score.h"

#include <QGraphicsItem>

namespace {

// The frame line's half pen and a hair of air, mm.
constexpr double edgeMargin = 0.4;

} // namespace

void Score::keepDirectionInRow(QGraphicsItem *item, int measureIndex, int part,
                               const Direction *direction) const
{
    const Measure *m = measures.value(measureIndex);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    if (!item || !cell || !direction || direction->moved ||
        isMeasureLevelDirection(direction->kind) || cell->partExtent <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double centre = m->getPartCenter(part);
    const double low = (centre - 0.5 * cell->partExtent + edgeMargin) * s;
    const double high = (centre + 0.5 * cell->partExtent - edgeMargin) * s;
    const QRectF box = item->sceneBoundingRect();
    const double first = horizontal ? box.top() : box.left();
    const double last = horizontal ? box.bottom() : box.right();
    // Only an item across an edge moves; one wider than the row, or one
    // wholly outside it, stays where its offset put it.
    double shift = 0.0;
    if (last - first > high - low)
        return;
    if (first < low && last > low)
        shift = low - first;
    else if (last > high && first < high)
        shift = high - last;
    if (shift != 0.0)
        item->moveBy(horizontal ? 0.0 : shift, horizontal ? shift : 0.0);
}
