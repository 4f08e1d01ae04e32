#include "layout/tickclearance.h"

#include "drawing/linetags.h"
#include "model/itemtags.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsLineItem>

#include <algorithm>
#include <utility>

namespace {

// Air between a tick and the ink it stops at, mm.
constexpr double tickAir = 0.3;
// A piece shorter than this (mm) would read as a speck, not a tick.
constexpr double shortestPiece = 0.8;

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
QList<QLineF> clearPieces(const QGraphicsLineItem *tick, const Scene *scene, double air,
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
    for (const QGraphicsItem *item : scene->items(around, Qt::IntersectsItemBoundingRect)) {
        if (!isInk(item))
            continue;
        const QRectF box = item->sceneBoundingRect();
        if (box.isEmpty())
            continue;
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
    const QList<Span> kept = remainder(whole, cuts, shortest);
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
    QList<Trim> trims;
    // Every tick is measured against the picture as generated, before any
    // is changed.
    const QList<QGraphicsItem *> items = score.scene->items();
    for (QGraphicsItem *item : items) {
        auto *tick = qgraphicsitem_cast<QGraphicsLineItem *>(item);
        if (!tick || tick->data(LineTags::TagLine).toInt() != LineTags::TimeTick)
            continue;
        bool changed = false;
        QList<QLineF> pieces =
            clearPieces(tick, score.scene, tickAir * s, shortestPiece * s, changed);
        if (changed)
            trims.append({tick, pieces});
    }
    for (const Trim &trim : std::as_const(trims)) {
        if (trim.pieces.isEmpty()) {
            delete trim.line;
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
