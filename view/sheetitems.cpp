#include "view/sheetitems.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QTransform>

#include <algorithm>
#include <numeric>

namespace {

// Below this the toolkit treats an item as not painted at all.
constexpr double transparentBelow = 0.001;

// An item's box in scene units as the render's lookup takes it: the local
// box widened where it has no extent, then mapped.
QRectF lookupBox(const QGraphicsItem *item)
{
    QRectF box = item->boundingRect();
    if (box.width() == 0.0)
        box.adjust(-0.00001, 0.0, 0.00001, 0.0);
    if (box.height() == 0.0)
        box.adjust(0.0, -0.00001, 0.0, 0.00001);
    return item->sceneTransform().mapRect(box);
}

// The sheets ordered from left to right, so an item's box finds the few it
// may meet by a search instead of a walk over every sheet.
class SheetsByX
{
public:
    explicit SheetsByX(const QList<QRectF> &sheets) : m_sheets(sheets), m_order(sheets.size())
    {
        std::iota(m_order.begin(), m_order.end(), 0);
        std::sort(m_order.begin(), m_order.end(),
                  [&](int a, int b) { return sheets.at(a).left() < sheets.at(b).left(); });
        m_rightEdgesRise = std::is_sorted(m_order.begin(), m_order.end(), [&](int a, int b) {
            return sheets.at(a).right() < sheets.at(b).right();
        });
    }

    // Calls `meets(k)` for every sheet k that the box meets.
    template <typename Meets> void forEachMet(const QRectF &box, Meets meets) const
    {
        auto first = m_order.begin();
        // With the right edges in the same order as the left ones, the
        // sheets that end left of the box form a prefix to skip.
        if (m_rightEdgesRise) {
            first = std::partition_point(m_order.begin(), m_order.end(), [&](int k) {
                return m_sheets.at(k).right() <= box.left();
            });
        }
        for (auto it = first; it != m_order.end(); ++it) {
            const QRectF &sheet = m_sheets.at(*it);
            if (sheet.left() >= box.right())
                break;
            if (sheet.intersects(box))
                meets(*it);
        }
    }

private:
    const QList<QRectF> &m_sheets;
    std::vector<int> m_order;
    bool m_rightEdgesRise = true;
};

void collectSheets(const QGraphicsItem *item, const SheetsByX &sheets, std::vector<int> &met)
{
    if (!item->isVisible() || item->effectiveOpacity() < transparentBelow)
        return;
    sheets.forEachMet(lookupBox(item), [&](int k) { met.push_back(k); });
    const QList<QGraphicsItem *> children = item->childItems();
    for (const QGraphicsItem *child : children)
        collectSheets(child, sheets, met);
}

} // namespace

QList<QList<QGraphicsItem *>> itemsOfSheets(const QGraphicsScene &scene,
                                            const QList<QRectF> &sheets)
{
    QList<QList<QGraphicsItem *>> lists(sheets.size());
    if (sheets.isEmpty())
        return lists;
    const SheetsByX byX(sheets);
    std::vector<int> met;
    // One sort of the whole scene gives the stacking order the render's
    // per-sheet sorts gave.
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (item->parentItem())
            continue;
        met.clear();
        collectSheets(item, byX, met);
        std::sort(met.begin(), met.end());
        met.erase(std::unique(met.begin(), met.end()), met.end());
        for (int k : met)
            lists[k].append(item);
    }
    return lists;
}
