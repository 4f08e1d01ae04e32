#include "layout/noteink.h"

#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsPolygonItem>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The side of the squares the ink is filed by, mm: about a note's size.
constexpr double gridCell = 8.0;
// The largest ink box filed, scene units.
constexpr double largest = 1.0e5;

bool isNoteInk(const QGraphicsItem *item)
{
    const int type = item->data(TagType).toInt();
    return (type == NoteItem || type == NotePartItem) && item->isVisible();
}

// The ink of `item` that meets `box`; empty when none does.
QRectF meeting(const QGraphicsItem *item, const QRectF &box, bool horizontal)
{
    QRectF ink;
    if (const auto *glyph = dynamic_cast<const GlyphItem *>(item)) {
        ink = item->sceneTransform().mapRect(glyph->inkRect());
    } else if (const auto *beam = dynamic_cast<const QGraphicsPolygonItem *>(item)) {
        // A slanting beam is ink only where it runs; its box is not.
        const QRectF wide = item->sceneBoundingRect().united(box);
        const QRectF stretch = horizontal
                                   ? QRectF(box.left(), wide.top(), box.width(), wide.height())
                                   : QRectF(wide.left(), box.top(), wide.width(), box.height());
        ink = beam->mapToScene(beam->polygon()).intersected(QPolygonF(stretch)).boundingRect();
    } else {
        ink = item->sceneBoundingRect();
    }
    const QRectF shared = ink.intersected(box);
    return shared.width() > 0.0 && shared.height() > 0.0 ? ink : QRectF();
}

// How far `box` must move `away` to clear the ink of `item`; 0 when it
// meets none.
double depthPast(const QGraphicsItem *item, const QRectF &box, double away, bool horizontal)
{
    const QRectF ink = meeting(item, box, horizontal);
    if (ink.isNull())
        return 0.0;
    if (horizontal)
        return away > 0 ? ink.bottom() - box.top() : box.bottom() - ink.top();
    return away > 0 ? ink.right() - box.left() : box.right() - ink.left();
}

} // namespace

namespace NoteInk {

double depth(const Score &score, int part, const QRectF &box, double away)
{
    const bool horizontal = score.page->horizontal;
    double deepest = 0.0;
    for (const QGraphicsItem *item : score.scene->items(box, Qt::IntersectsItemBoundingRect)) {
        // A placed text may stand beside a note's name, where its octave
        // marks are; the lyric line's room already counts those.
        const bool octaveMark = item->data(TagType).toInt() == OctaveInstItem && item->isVisible();
        if ((isNoteInk(item) || octaveMark) && itemTag(item, TagPart) == part)
            deepest = std::max(deepest, depthPast(item, box, away, horizontal));
    }
    return deepest;
}

Map::Map(const Score &score)
    : m_horizontal(score.page->horizontal), m_grid(gridCell * score.page->scaleFactor)
{
    for (const QGraphicsItem *item : score.scene->items()) {
        if (!isNoteInk(item))
            continue;
        // A box past any sheet (a glyph of a broken file) meets no text
        // and would file into more squares than there is memory.
        const QRectF box = item->sceneBoundingRect();
        if (!std::isfinite(box.width() + box.height()) || box.width() > largest ||
            box.height() > largest)
            continue;
        const Measure *measure = score.measures.value(itemTag(item, TagMeasure));
        m_ink.append({item, itemTag(item, TagPart), measure ? measure->lineIndex : -1});
        m_grid.add(box);
    }
}

double Map::depth(int part, int stage, const QRectF &box, double away) const
{
    double deepest = 0.0;
    for (int index : m_grid.near(box)) {
        const Ink &ink = m_ink.at(index);
        if (ink.part == part && ink.stage == stage)
            deepest = std::max(deepest, depthPast(ink.item, box, away, m_horizontal));
    }
    return deepest;
}

} // namespace NoteInk
