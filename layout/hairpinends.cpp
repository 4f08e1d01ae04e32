#include "layout/hairpinends.h"

#include "drawing/linetags.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>

#include <algorithm>

namespace {

// Air between a hairpin's end and a dynamic, mm.
constexpr double endGap = 0.6;
// A hairpin kept shorter than this (mm) would read as a stroke; it stays
// as it was.
constexpr double shortestHairpin = 2.0;
// Boxes that overlap across by less than this (mm) stand side by side.
constexpr double acrossTolerance = 0.3;

// How far along the reading direction the box starts and ends.
std::pair<double, double> alongOf(const QRectF &box, bool horizontal)
{
    return horizontal ? std::pair{box.left(), box.right()} : std::pair{box.top(), box.bottom()};
}

std::pair<double, double> acrossOf(const QRectF &box, bool horizontal)
{
    return horizontal ? std::pair{box.top(), box.bottom()} : std::pair{box.left(), box.right()};
}

// The boxes of the drawn dynamics, scene units.
QList<QRectF> dynamicsBoxes(const Score &score)
{
    QList<QRectF> boxes;
    for (const Measure *measure : score.displayedMeasures) {
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices) {
                for (const Direction *direction : voice->shownDirections()) {
                    const QGraphicsItem *item = direction->item;
                    if (direction->kind == DirectionKind::Dynamics && item && item->scene() &&
                        item->isVisible())
                        boxes.append(item->sceneBoundingRect());
                }
            }
        }
    }
    return boxes;
}

} // namespace

void HairpinEnds::clearOfDynamics(Score &score)
{
    const bool horizontal = score.page->horizontal;
    const double s = score.page->scaleFactor;
    QList<QRectF> dynamics = dynamicsBoxes(score);
    if (dynamics.isEmpty())
        return;
    // Sorted by where they start across the line, so that each hairpin
    // reads only the dynamics beside its own line, not all of the score's.
    std::sort(dynamics.begin(), dynamics.end(), [horizontal](const QRectF &a, const QRectF &b) {
        return acrossOf(a, horizontal).first < acrossOf(b, horizontal).first;
    });
    double deepest = 0.0;
    for (const QRectF &dynamic : dynamics) {
        const auto [dLow, dHigh] = acrossOf(dynamic, horizontal);
        deepest = std::max(deepest, dHigh - dLow);
    }
    const QList<QGraphicsItem *> items = score.scene->items();
    for (QGraphicsItem *item : items) {
        auto *group = qgraphicsitem_cast<QGraphicsItemGroup *>(item);
        if (!group || group->data(LineTags::TagLine).toInt() != LineTags::Hairpin ||
            group->childItems().isEmpty())
            continue;
        const QRectF box = group->sceneBoundingRect();
        const auto [from, to] = alongOf(box, horizontal);
        const auto [low, high] = acrossOf(box, horizontal);
        double start = from;
        double end = to;
        // A dynamic starting more than the deepest one's depth before the
        // hairpin cannot reach across to it.
        auto it = std::lower_bound(dynamics.cbegin(), dynamics.cend(), low - deepest,
                                   [horizontal](const QRectF &dynamic, double at) {
                                       return acrossOf(dynamic, horizontal).first < at;
                                   });
        for (; it != dynamics.cend(); ++it) {
            const QRectF &dynamic = *it;
            const auto [dFrom, dTo] = alongOf(dynamic, horizontal);
            const auto [dLow, dHigh] = acrossOf(dynamic, horizontal);
            if (dLow >= high)
                break;
            const double across = std::min(high, dHigh) - std::max(low, dLow);
            if (across <= acrossTolerance * s || dTo <= from || dFrom >= to)
                continue;
            // A dynamic nearer the start holds the start back, one nearer
            // the end the end; one in the middle is the hairpin's own
            // business.
            if (dFrom - from < to - dTo && dFrom <= from + 0.25 * (to - from))
                start = std::max(start, dTo + endGap * s);
            else if (dTo >= to - 0.25 * (to - from))
                end = std::min(end, dFrom - endGap * s);
        }
        if ((start == from && end == to) || end - start < shortestHairpin * s)
            continue;
        const double trimStart = start - from;
        const double trimEnd = to - end;
        for (QGraphicsItem *child : group->childItems()) {
            auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(child);
            if (!line)
                continue;
            QLineF l = line->line();
            // The lines run from the hairpin's start to its end.
            if (horizontal) {
                l.setP1(QPointF(l.x1() + trimStart, l.y1()));
                l.setP2(QPointF(l.x2() - trimEnd, l.y2()));
            } else {
                l.setP1(QPointF(l.x1(), l.y1() + trimStart));
                l.setP2(QPointF(l.x2(), l.y2() - trimEnd));
            }
            line->setLine(l);
            // A group keeps the box its children had when they joined it.
            group->removeFromGroup(line);
            group->addToGroup(line);
        }
    }
}
