#include "layout/tickclearance.h"

#include "drawing/linetags.h"
#include "layout/boxgrid.h"
#include "model/itemtags.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsLineItem>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Air between a tick and the ink it stops at, mm.
constexpr double tickAir = 0.3;
// A piece of a cut tick shorter than this (mm) reads as a speck or an
// accent, not a tick; only a piece of a short tick that keeps most of it
// may be shorter.
constexpr double shortestPiece = 2.0;
constexpr double shortestShare = 0.6;
// The side of the squares the ink is filed by, mm: about a note's size.
constexpr double inkGridCell = 8.0;

// Items whose ink a tick must not cross: the note glyphs and every text or
// mark tied to a note or measure.
bool isInk(const QGraphicsItem *item)
{
    if (!item->isVisible() || item->data(LineTags::TagLine).toInt() != 0)
        return false;
    switch (itemTag(item, TagType)) {
    case NoteItem:
    case NotePartItem:
    case LyricItem:
    case DirectionItem:
    case OctaveInstItem:
    case NotationItem:
    case DirectiveItem:
    case FingeringItem:
    case HarmonicItem:
    case UpBowItem:
    case StoppedItem:
        return true;
    default:
        return false;
    }
}

using Span = std::pair<double, double>;

// What is left of `whole` once every span of `cuts` is taken out, in
// order, without pieces shorter than `shortest`.
QList<Span> remainder(Span whole, QList<Span> cuts, double shortest)
{
    std::sort(cuts.begin(), cuts.end());
    QList<Span> pieces;
    double from = whole.first;
    for (const Span &cut : std::as_const(cuts)) {
        if (cut.first > from && std::min(cut.first, whole.second) - from >= shortest)
            pieces.append({from, std::min(cut.first, whole.second)});
        from = std::max(from, cut.second);
        if (from >= whole.second)
            break;
    }
    if (whole.second - from >= shortest)
        pieces.append({from, whole.second});
    return pieces;
}

struct Trim
{
    QGraphicsLineItem *line = nullptr;
    QList<QLineF> pieces;
};

// The pieces of a tick that runs across x = const (`upright`) or
// y = const, clear of the ink around it; the same line when nothing is in
// its way.
QList<QLineF> clearPieces(const QGraphicsLineItem *tick, const BoxGrid &ink, double air,
                          double shortest, bool &changed)
{
    const QLineF l = tick->line();
    const bool upright = std::abs(l.dx()) < std::abs(l.dy());
    const double at = upright ? l.x1() : l.y1();
    const double a = upright ? l.y1() : l.x1();
    const double b = upright ? l.y2() : l.x2();
    const Span whole{std::min(a, b), std::max(a, b)};
    const double reach = air + 0.5 * tick->pen().widthF();
    const QRectF around = tick->sceneBoundingRect().adjusted(-reach, -reach, reach, reach);
    QList<Span> cuts;
    for (int index : ink.near(around)) {
        const QRectF &box = ink.box(index);
        const double low = upright ? box.left() : box.top();
        const double high = upright ? box.right() : box.bottom();
        if (at < low - reach || at > high + reach)
            continue;
        cuts.append(upright ? Span{box.top() - air, box.bottom() + air}
                            : Span{box.left() - air, box.right() + air});
    }
    changed = false;
    if (cuts.isEmpty())
        return {l};
    const QList<Span> kept =
        remainder(whole, cuts, std::min(shortest, shortestShare * (whole.second - whole.first)));
    changed = kept.size() != 1 || kept.first() != whole;
    // Each piece runs the way the tick ran, from its band edge on.
    const bool forward = a <= b;
    QList<QLineF> pieces;
    for (const Span &piece : kept) {
        const double p = forward ? piece.first : piece.second;
        const double q = forward ? piece.second : piece.first;
        pieces.append(upright ? QLineF(at, p, at, q) : QLineF(p, at, q, at));
    }
    if (!forward)
        std::reverse(pieces.begin(), pieces.end());
    return pieces;
}

} // namespace

void TickClearance::clearOfInk(Score &score)
{
    const double s = score.page->scaleFactor;
    if (std::none_of(score.parts.cbegin(), score.parts.cend(),
                     [](const Part *part) { return part->timeTicks; }))
        return;
    // One walk over the picture as generated files the ticks and the ink;
    // every tick is measured against it before any is changed.
    QList<QGraphicsLineItem *> ticks;
    BoxGrid ink(inkGridCell * s);
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        auto *tick = qgraphicsitem_cast<QGraphicsLineItem *>(item);
        if (tick && tick->data(LineTags::TagLine).toInt() == LineTags::TimeTick) {
            ticks.append(tick);
        } else if (isInk(item)) {
            const QRectF box = item->sceneBoundingRect();
            if (!box.isEmpty())
                ink.add(box);
        }
    }
    QList<Trim> trims;
    for (QGraphicsLineItem *tick : std::as_const(ticks)) {
        bool changed = false;
        QList<QLineF> pieces = clearPieces(tick, ink, tickAir * s, shortestPiece * s, changed);
        if (changed)
            trims.append({tick, pieces});
    }
    for (const Trim &trim : std::as_const(trims)) {
        if (trim.pieces.isEmpty()) {
            // Hidden rather than deleted: a scene takes an item out of
            // its list of top-level items one by one.
            trim.line->setVisible(false);
            continue;
        }
        trim.line->setLine(trim.pieces.first());
        for (int i = 1; i < trim.pieces.size(); ++i) {
            auto *piece = new QGraphicsLineItem(trim.pieces.at(i));
            piece->setPen(trim.line->pen());
            piece->setZValue(trim.line->zValue());
            piece->setData(LineTags::TagLine, LineTags::TimeTick);
            score.scene->addItem(piece);
        }
    }
}
