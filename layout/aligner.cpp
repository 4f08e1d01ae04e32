#include "layout/aligner.h"

#include "layout/alignitem.h"
#include "layout/timeitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QSvgRenderer>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Least air between the ink of two glyphs of one voice, mm.
constexpr double glyphAir = 0.3;
// The smallest a mark beside a note name is drawn, mm: below it a 中 or
// 大 no longer reads.
constexpr double legibleMark = 1.5;

// A ratio whose denominator is no length at all (an empty list, a measure
// of zero extent) leaves things as they are instead of producing NaN or
// infinity.
double safeRatio(double numerator, double denominator)
{
    return denominator > 0.0 ? numerator / denominator : 1.0;
}

// Shares `inner` among stretches in proportion to their least need, each
// kept at its floor at least: a stretch the share leaves below its floor is
// held there, and the others share what is left. Each round holds at least
// one more, so this ends.
void holdFloors(std::vector<double> &fitted, const std::vector<double> &least,
                const std::vector<double> &floor, double inner)
{
    const size_t gaps = fitted.size();
    std::vector<bool> held(gaps, false);
    for (size_t round = 0; round <= gaps; ++round) {
        double heldSum = 0.0;
        double freeLeast = 0.0;
        for (size_t i = 0; i < gaps; ++i) {
            if (held[i])
                heldSum += floor[i];
            else
                freeLeast += least[i];
        }
        const double share = safeRatio(std::max(0.0, inner - heldSum), freeLeast);
        bool more = false;
        for (size_t i = 0; i < gaps; ++i) {
            if (!held[i] && least[i] * share < floor[i]) {
                held[i] = true;
                more = true;
            }
        }
        if (!more) {
            for (size_t i = 0; i < gaps; ++i)
                fitted[i] = held[i] ? floor[i] : least[i] * share;
            return;
        }
    }
}

int tickLevelOf(int tick, int beats, int beatType)
{
    const bool compound = beats % 6 == 0;
    if (beatType == 16 && !compound)
        return TickOther;
    if (beatType > 4 && beatType != 8 && beatType != 16)
        return TickOther;
    if (beatType <= 4 && tick % 16 == 0)
        return TickBeat;
    if ((beatType == 8 || beatType == 16) && compound && tick % 24 == 0)
        return TickBeat;
    if (tick % 8 == 0)
        return TickEighth;
    if (tick % 4 == 0)
        return TickSixteenth;
    return TickOther;
}

double endOf(const Aligner::ItemList &list)
{
    if (list.isEmpty())
        return 0.0;
    return list.last()->position + list.last()->width;
}

// Stretches the held items away from the anchor by `stretch`, so that every
// gap between them widens in proportion and an overlay stays on the item
// it overlays.
void spreadHeld(const QList<AlignItem *> &held, double anchor, double stretch)
{
    for (AlignItem *item : held)
        item->position = anchor + (item->position - anchor) * stretch;
}

// Widens the gaps of one time-aligned list between its fixed items so
// that the free items between them share the room the alignment made.
// Returns the ratio of the list's end, 1.0 for an empty list.
double spreadFreeItems(Aligner::ItemList &list, double end)
{
    if (list.isEmpty())
        return 1.0;
    double anchor = 0.0;
    QList<AlignItem *> held;
    for (int j = 0; j < list.size(); ++j) {
        AlignItem *item = list.at(j);
        if (!item->fixed) {
            held.append(item);
            continue;
        }
        if (j > 0 && !held.isEmpty()) {
            const AlignItem *previous = list.at(j - 1);
            const double stretch =
                safeRatio(item->position - anchor, previous->position + previous->width - anchor);
            if (stretch > 1.0)
                spreadHeld(held, anchor, stretch);
        }
        held.clear();
        anchor = item->position;
    }
    const double stretch = safeRatio(end - anchor, endOf(list) - anchor);
    if (stretch > 1.0)
        spreadHeld(held, anchor, stretch);
    return stretch;
}

QTransform scaledAlong(const QTransform &transform, double factor, bool horizontal)
{
    QTransform result = transform;
    if (horizontal)
        result.scale(factor, 1.0);
    else
        result.scale(1.0, factor);
    return result;
}

} // namespace

Aligner::Aligner(Score *score, QObject *parent) : QObject(parent), score(score) {}

Aligner::~Aligner()
{
    clearLists();
}

void Aligner::clearLists()
{
    qDeleteAll(tickList);
    tickList.clear();
    itemLists.clear();
    timeAlignedLists.clear();
}

void Aligner::setUpTics(int beats, int beatType, int divisions, int duration)
{
    // A negative count would never reach the measure's end.
    if (divisions <= 0) {
        qDebug().noquote() << "setUpTics divisions = " + QString::number(divisions) +
                                  ", changed to 1 to continue";
        divisions = 1;
    }

    double largestSize = 0.0;
    bool anyPart = false;
    if (score) {
        for (const Part *part : std::as_const(score->parts)) {
            largestSize = anyPart ? std::max(largestSize, part->noteFontSize) : part->noteFontSize;
            anyPart = true;
        }
    }
    const double ratio = score && score->style ? score->style->timeTickRatio : 0.0;
    const double tickWidth = anyPart ? largestSize * ratio : 0.0;

    // The loader counts these ticks (LayoutCost::timeTicks) to refuse a
    // score whose ticks would not fit in memory.
    // Every regeneration sets the ticks up again, mostly as many as before:
    // the items of the last time are reset and reused, not made anew.
    const qint64 limit = 16LL * duration;
    const qint64 count = limit > 0 ? (limit + divisions - 1) / divisions : 0;
    while (tickList.size() > count)
        delete tickList.takeLast();
    while (tickList.size() < count)
        tickList.append(new AlignItem);
    for (qint64 i = 0; i < count; ++i) {
        AlignItem *tick = tickList.at(i);
        static_cast<AlignItemData &>(*tick) = AlignItemData();
        tick->width = tickWidth;
        tick->kind = AlignTime;
        tick->position = double(i) * tickWidth;
        tick->time = int(i * divisions);
        tick->tickLevel = tickLevelOf(int(i), beats, beatType);
    }
}

double Aligner::voiceWidths(Measure *measure)
{
    itemLists.clear();
    if (!score || !measure)
        return 0.0;
    const int partCount = std::min<int>(score->parts.size(), measure->parts.size());
    for (int p = 0; p < partCount; ++p) {
        const Part *part = score->parts.at(p);
        if (part->alignInTime || !part->partOutput)
            continue;
        for (Voice *voice : measure->parts.at(p)->voices.madeVoices()) {
            if (voice->hasNotes)
                itemLists.append(&voice->alignItems);
        }
    }
    if (itemLists.isEmpty())
        return 0.0;

    const double fixedPart = m_headWidth + m_padWidth;
    QList<double> widths;
    double widest = 0.0;
    for (const ItemList *list : std::as_const(itemLists)) {
        widths.append(fixedPart + endOf(*list));
        widest = std::max(widest, widths.last());
    }
    for (int l = 0; l < itemLists.size(); ++l) {
        if (widths.at(l) == widest)
            continue;
        const double factor = safeRatio(widest - fixedPart, widths.at(l) - fixedPart);
        for (AlignItem *item : std::as_const(*itemLists.at(l)))
            item->position *= factor;
    }
    return widest;
}

double Aligner::tickPositions(Measure *measure)
{
    timeAlignedLists.clear();
    if (!score || !measure)
        return 0.0;

    // Which part and voice slot each list stands for.
    QList<std::pair<int, int>> owners;
    const int partCount = std::min<int>(score->parts.size(), measure->parts.size());
    for (int p = 0; p < partCount; ++p) {
        const Part *part = score->parts.at(p);
        if (!part->alignInTime || !part->partOutput)
            continue;
        int slot = 0;
        for (Voice *voice : measure->parts.at(p)->voices.madeVoices()) {
            if (!voice->hasNotes)
                continue;
            timeAlignedLists.append(&voice->alignItems);
            owners.append({p, slot++});
        }
    }
    if (timeAlignedLists.isEmpty())
        return 0.0;
    timeAlignedLists.append(&tickList);
    owners.append({int(score->parts.size()), 0});

    for (const ItemList *list : std::as_const(timeAlignedLists)) {
        for (AlignItem *item : *list)
            item->fixed = false;
    }

    // Item times onto the tick grid; the ticks keep their own times. Each
    // entry keeps the list it indexes, as every owner has exactly one list.
    struct Entry
    {
        TimeItem timeItem;
        ItemList *list;
    };
    const int divisions = measure->divisions <= 0 ? 1 : measure->divisions;
    std::vector<Entry> timeItems;
    for (int l = 0; l < timeAlignedLists.size(); ++l) {
        ItemList &list = *timeAlignedLists.at(l);
        const bool ticks = &list == &tickList;
        for (int i = 0; i < list.size(); ++i) {
            const AlignItem *item = list.at(i);
            if (item->kind != AlignTime)
                continue;
            // Sixteen times a time of the loader's longest measure still
            // fits an int; the product is taken wide all the same.
            const qint64 onGrid = ((16LL * item->time) / divisions) * divisions;
            const int time = ticks ? item->time : int(std::clamp<qint64>(onGrid, INT_MIN, INT_MAX));
            timeItems.push_back(
                {TimeItem(owners.at(l).first, owners.at(l).second, i, time), &list});
        }
    }
    std::stable_sort(timeItems.begin(), timeItems.end(), [](const Entry &a, const Entry &b) {
        return a.timeItem.time != b.timeItem.time ? a.timeItem.time < b.timeItem.time
                                                  : a.timeItem.partIndex < b.timeItem.partIndex;
    });

    auto itemOf = [](const Entry &entry) { return entry.list->at(entry.timeItem.itemIndex); };
    for (size_t start = 0; start < timeItems.size();) {
        size_t end = start + 1;
        while (end < timeItems.size() &&
               timeItems[end].timeItem.time == timeItems[start].timeItem.time)
            ++end;
        if (end - start > 1) {
            double common = 0.0;
            for (size_t k = start; k < end; ++k)
                common = std::max(common, itemOf(timeItems[k])->position);
            for (size_t k = start; k < end; ++k) {
                const Entry &entry = timeItems[k];
                AlignItem *item = itemOf(entry);
                item->fixed = true;
                const double shift = common - item->position;
                if (shift <= 0.0)
                    continue;
                ItemList &list = *entry.list;
                for (int i = entry.timeItem.itemIndex; i < list.size(); ++i)
                    list.at(i)->position += shift;
            }
        }
        start = end;
    }

    double end = 0.0;
    for (const ItemList *list : std::as_const(timeAlignedLists))
        end = std::max(end, endOf(*list));
    for (ItemList *list : std::as_const(timeAlignedLists))
        m_scaleRatio = spreadFreeItems(*list, end);
    return m_headWidth + end + m_padWidth;
}

void Aligner::alignTics(Measure *measure)
{
    m_places.clear();
    m_leastAt.clear();
    m_needs.clear();
    m_fittedAt.clear();
    const double voices = voiceWidths(measure);
    const double ticks = tickPositions(measure);
    m_width = std::max(ticks, voices);

    const double fixedPart = m_headWidth + m_padWidth;
    const double factor = safeRatio(m_width - fixedPart, voices - fixedPart);
    for (ItemList *list : std::as_const(itemLists)) {
        for (AlignItem *item : std::as_const(*list))
            item->position *= factor;
    }
    itemLists.append(timeAlignedLists);
}

void Aligner::fitToWidth(double targetLength)
{
    const double fixedPart = m_headWidth + m_padWidth;
    const double ratio = safeRatio(targetLength - fixedPart, m_width - fixedPart);
    bool squeezed = ratio < 1.0;
    double glyphFactor = ratio >= 1.0 ? ratio : 1.0 - (1.0 - ratio) * 0.8;
    m_scaleRatio = ratio;
    for (ItemList *list : std::as_const(itemLists)) {
        for (AlignItem *item : std::as_const(*list))
            item->glyphScale = squeezed && list != &tickList ? glyphFactor : 1.0;
    }
    if (!m_places.empty()) {
        // Each stretch keeps its need, so the glyphs keep their size until
        // the measure is narrowed below what its needs add up to; then
        // the stretches shrink in proportion to their need, and the glyphs
        // of each voice only as far as their own stretch has less room
        // than they need: a part that rests beside a busy one keeps its
        // size.
        const double inner = targetLength - fixedPart;
        fitPlaces(inner);
        squeezed = inner < m_leastAt.back() - 1e-9;
        glyphFactor = squeezed ? safeRatio(std::max(0.0, inner), m_leastAt.back()) : 1.0;
        m_scaleRatio = squeezed ? glyphFactor : std::max(ratio, 1.0);
        setGlyphScales(ratio);
    }
    auto advanceOf = [](const AlignItem *item) { return item->width * item->glyphScale; };

    for (ItemList *list : std::as_const(itemLists)) {
        QList<AlignItem *> held;
        // Sets the held items right-aligned before `x`, the last held
        // first; an item popped after an overlay shares the overlay's place.
        auto popHeld = [&](double x) {
            bool afterOverlay = false;
            while (!held.isEmpty()) {
                AlignItem *popped = held.takeLast();
                if (!afterOverlay)
                    x -= advanceOf(popped);
                popped->fittedPosition = x;
                afterOverlay = popped->kind == AlignOverlay;
            }
        };

        double x = m_headWidth;
        for (int i = 0; i < list->size(); ++i) {
            AlignItem *item = list->at(i);
            if (item->kind == AlignLeading || (item->kind == AlignOverlay && !held.isEmpty())) {
                held.append(item);
                continue;
            }
            if (item->kind == AlignCentred) {
                const double half = item->width * 0.5;
                if (i == 1) {
                    item->fittedPosition = (m_width - fixedPart) * 0.5 * ratio + m_headWidth - half;
                } else {
                    const double before = item->fittedPosition;
                    item->fittedPosition = (m_width - before) * 0.5 * ratio + before - half;
                }
                continue;
            }
            if (item->kind == AlignOverlay)
                x = i == 0 ? 0.0 : list->at(i - 1)->fittedPosition;
            else if (item->kind != AlignFollowing)
                x = fittedOffset(item->position, ratio) + m_headWidth;
            item->fittedPosition = x;

            popHeld(x);
            x = item->fittedPosition + advanceOf(item);
        }
        popHeld((m_width - fixedPart) * ratio + m_headWidth);
    }

    const bool horizontal = !score || !score->page || score->page->horizontal;
    for (ItemList *list : std::as_const(itemLists)) {
        if (list == &tickList)
            continue;
        for (int i = 0; i < list->size(); ++i) {
            AlignItem *item = list->at(i);
            const double next =
                i + 1 < list->size() ? list->at(i + 1)->fittedPosition : targetLength - m_padWidth;
            if (item->glyphId.startsWith(QLatin1String("Repeat"))) {
                // A repeat line runs to the next item: stretched along.
                const double stretch = safeRatio(next - item->fittedPosition, item->width);
                if (item->graphicsItem)
                    item->graphicsItem->setTransform(
                        scaledAlong(item->graphicsItem->transform(), stretch, horizontal));
            } else if (item->glyphScale < 1.0) {
                // A glyph keeps its proportions: smaller on both axes.
                if (item->graphicsItem) {
                    QTransform t = item->graphicsItem->transform();
                    t.scale(item->glyphScale, item->glyphScale);
                    item->graphicsItem->setTransform(t);
                }
                item->length *= item->glyphScale;
            }
        }
    }
}

void Aligner::setGlyphScales(double ratio)
{
    std::vector<int> stretchOf;
    for (ItemList *list : std::as_const(itemLists)) {
        if (list == &tickList)
            continue;
        const QList<RoomNeed> needs = listGlyphNeeds(*list, &stretchOf);
        std::vector<double> scales(size_t(needs.size()), 1.0);
        for (int j = 0; j < needs.size(); ++j) {
            const RoomNeed &need = needs.at(j);
            if (need.need <= 0.0)
                continue;
            const double room = fittedOffset(need.to, ratio) - fittedOffset(need.from, ratio);
            // A stretch whose neighbours keep their marks legible may
            // have less than the measure's share: its glyphs shrink more.
            scales[size_t(j)] = std::clamp(room / need.need, 0.01, 1.0);
        }
        for (int i = 0; i < list->size(); ++i) {
            const int j = stretchOf[size_t(i)];
            list->at(i)->glyphScale = j >= 0 ? scales[size_t(j)] : 1.0;
        }
    }
}

void Aligner::setRoomNeeds(const QList<RoomNeed> &needs)
{
    m_places.clear();
    m_leastAt.clear();
    m_needs.clear();
    m_fittedAt.clear();
    const double inner = std::max(0.0, m_width - m_headWidth - m_padWidth);
    constexpr double same = 1e-6; // places nearer than this are one
    QList<RoomNeed> valid;
    for (RoomNeed need : needs) {
        need.from = std::clamp(need.from, 0.0, inner);
        need.to = std::clamp(need.to, 0.0, inner);
        if (need.to - need.from > same && need.need > 0.0 && std::isfinite(need.need))
            valid.append(need);
    }
    if (valid.isEmpty() || inner <= same)
        return;
    m_places = {0.0, inner};
    for (const RoomNeed &need : std::as_const(valid)) {
        m_places.push_back(need.from);
        m_places.push_back(need.to);
    }
    std::sort(m_places.begin(), m_places.end());
    m_places.erase(std::unique(m_places.begin(), m_places.end(),
                               [](double a, double b) { return b - a <= same; }),
                   m_places.end());
    const auto indexOf = [this](double place) {
        const auto it = std::lower_bound(m_places.begin(), m_places.end(), place - same);
        return int(std::min<std::ptrdiff_t>(it - m_places.begin(), m_places.size() - 1));
    };
    std::sort(valid.begin(), valid.end(),
              [](const RoomNeed &a, const RoomNeed &b) { return a.to < b.to; });
    // The longest chain of needs up to each place, walking the places in
    // order: every need ends at a later place than it starts.
    m_leastAt.assign(m_places.size(), 0.0);
    int next = 0;
    for (size_t j = 1; j < m_places.size(); ++j) {
        double least = m_leastAt[j - 1];
        while (next < valid.size() && indexOf(valid.at(next).to) <= int(j)) {
            const RoomNeed &need = valid.at(next++);
            least = std::max(least, m_leastAt[indexOf(need.from)] + need.need);
        }
        m_leastAt[j] = least;
    }
    // Kept by their places' indices, for the fit.
    for (RoomNeed &need : valid) {
        need.from = indexOf(need.from);
        need.to = indexOf(need.to);
    }
    m_needs = valid;
}

double Aligner::leastWidth() const
{
    return m_headWidth + m_padWidth + (m_leastAt.empty() ? 0.0 : m_leastAt.back());
}

void Aligner::fitPlaces(double inner)
{
    const size_t gaps = m_places.size() - 1;
    std::vector<double> natural(gaps), least(gaps), fitted(gaps);
    double leastSum = 0.0;
    double naturalSum = 0.0;
    for (size_t i = 0; i < gaps; ++i) {
        natural[i] = m_places[i + 1] - m_places[i];
        least[i] = m_leastAt[i + 1] - m_leastAt[i];
        leastSum += least[i];
        naturalSum += natural[i];
    }
    inner = std::max(0.0, inner);
    if (inner < leastSum || leastSum >= naturalSum * 1e6) {
        // Too short for the needs: every stretch gives up the same share.
        for (size_t i = 0; i < gaps; ++i)
            fitted[i] = leastSum > 0.0 ? least[i] * inner / leastSum
                                       : natural[i] * safeRatio(inner, naturalSum);
        if (leastSum > 0.0)
            shareShortRoom(fitted, least, inner);
    } else {
        // One ratio r for the natural distances, a stretch whose need is
        // more than r times its distance held at its need: the stretches
        // taken in the order of their need per distance, the most crowded
        // first, are held until the ratio of the rest leaves the next one
        // enough.
        std::vector<size_t> order(gaps);
        for (size_t i = 0; i < gaps; ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return least[a] * natural[b] > least[b] * natural[a];
        });
        double heldLeast = 0.0;
        double freeNatural = naturalSum;
        double ratio = safeRatio(inner, naturalSum);
        size_t held = 0;
        while (held < gaps && least[order[held]] > ratio * natural[order[held]]) {
            heldLeast += least[order[held]];
            freeNatural -= natural[order[held]];
            ++held;
            ratio = freeNatural > 1e-12 ? (inner - heldLeast) / freeNatural : 0.0;
        }
        if (held == gaps) {
            for (size_t i = 0; i < gaps; ++i)
                fitted[i] = least[i] * safeRatio(inner, leastSum);
        } else {
            for (size_t i = 0; i < gaps; ++i)
                fitted[i] = std::max(least[i], natural[i] * ratio);
            for (size_t k = 0; k < held; ++k)
                fitted[order[k]] = least[order[k]];
        }
    }
    m_fittedAt.assign(m_places.size(), 0.0);
    for (size_t i = 0; i < gaps; ++i)
        m_fittedAt[i + 1] = m_fittedAt[i] + fitted[i];
}

double Aligner::fittedOffset(double position, double ratio) const
{
    if (m_fittedAt.empty())
        return position * ratio;
    if (position <= m_places.front())
        return position * ratio;
    if (position >= m_places.back())
        return m_fittedAt.back() + (position - m_places.back()) * ratio;
    const size_t j =
        size_t(std::upper_bound(m_places.begin(), m_places.end(), position) - m_places.begin()) - 1;
    const double span = m_places[j + 1] - m_places[j];
    return m_fittedAt[j] +
           (position - m_places[j]) * safeRatio(m_fittedAt[j + 1] - m_fittedAt[j], span);
}

QList<RoomNeed> Aligner::glyphRoomNeeds() const
{
    QList<RoomNeed> needs;
    for (const ItemList *list : itemLists) {
        if (list != &tickList)
            needs.append(listGlyphNeeds(*list, nullptr));
    }
    return needs;
}

QList<RoomNeed> Aligner::listGlyphNeeds(const ItemList &list, std::vector<int> *stretchOf) const
{
    QList<RoomNeed> needs;
    const double inner = m_width - m_headWidth - m_padWidth;
    const bool horizontal = !score || !score->page || score->page->horizontal;
    const double s = score && score->page ? score->page->scaleFactor : 0.0;
    // Where an item's glyph starts and ends from the item's own start: a
    // compound glyph may reach past its advance, or start before it.
    const auto glyphSpan = [&](const AlignItem *item) -> std::pair<double, double> {
        const QGraphicsItem *glyph = item->graphicsItem;
        if (!glyph || s <= 0.0 || !glyph->isVisible())
            return {0.0, item->width};
        const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
        if (box.isEmpty())
            return {0.0, item->width};
        return horizontal ? std::pair(item->refOffsetX + box.left() / s,
                                      item->refOffsetX + box.right() / s)
                          : std::pair(item->refOffsetY + box.top() / s,
                                      item->refOffsetY + box.bottom() / s);
    };
    if (stretchOf)
        stretchOf->assign(size_t(list.size()), -1);
    // From the place of the last item at its own position: where the
    // running position stands, how far the glyphs reach, and the leading
    // signs held for the next such item. Each item belongs to the stretch
    // that is open when it is met (the next need to be appended).
    double place = 0.0;
    double running = 0.0;
    double reach = 0.0;
    double held = 0.0;
    double previousStart = 0.0;
    double legible = 0.0; // the largest legible scale of the open stretch
    for (int i = 0; i < list.size(); ++i) {
        const AlignItem *item = list.at(i);
        double start = running;
        switch (item->kind) {
        case AlignLeading:
            held += item->width;
            if (stretchOf)
                (*stretchOf)[size_t(i)] = int(needs.size());
            continue;
        case AlignCentred:
            continue;
        case AlignOverlay:
            if (held > 0.0) {
                if (stretchOf)
                    (*stretchOf)[size_t(i)] = int(needs.size());
                continue;
            }
            start = previousStart;
            running = start + item->width;
            break;
        case AlignFollowing:
            running += item->width;
            break;
        default: {
            // What the glyph shows before its start comes out of the
            // stretch before it, as the leading signs do.
            const double before = held + std::max(0.0, -glyphSpan(item).first);
            if (item->position > place + 1e-6) {
                // Glyphs of one voice keep air between them, so that a
                // mark at a glyph's edge never touches the next.
                const double need = reach + before + (reach > 0.0 ? glyphAir : 0.0);
                needs.append({place, item->position, need, need * legible});
                place = item->position;
                reach = 0.0;
                legible = 0.0;
            }
            held = 0.0;
            start = 0.0;
            running = item->width;
            break;
        }
        }
        if (stretchOf)
            (*stretchOf)[size_t(i)] = int(needs.size());
        previousStart = start;
        reach = std::max({reach, running, start + glyphSpan(item).second});
        legible = std::max(legible, legibleScale(item));
    }
    needs.append({place, inner, reach + held, (reach + held) * legible});
    return needs;
}

double Aligner::legibleScale(const AlignItem *item) const
{
    const auto *glyph = dynamic_cast<const GlyphItem *>(item->graphicsItem);
    const double s = score && score->page ? score->page->scaleFactor : 0.0;
    if (!glyph || !glyph->renderer() || s <= 0.0 || !glyph->isVisible())
        return 0.0;
    // The marks are parts of the glyph named after it: ".mark", ".mark2"...
    const QTransform t = glyph->transform();
    const double sx = std::hypot(t.m11(), t.m12()) / s;
    const double sy = std::hypot(t.m21(), t.m22()) / s;
    double smallest = 0.0;
    for (int n = 1; n <= 4; ++n) {
        const QString id =
            glyph->elementId() + QStringLiteral(".mark") + (n > 1 ? QString::number(n) : QString());
        if (!glyph->renderer()->elementExists(id))
            break;
        const QRectF box = glyph->renderer()->boundsOnElement(id);
        // A mark reads by its smaller side, a level stroke such as 一 by
        // its width alone.
        const double w = box.width() * sx;
        const double h = box.height() * sy;
        const double size = std::min(w, h) > 0.4 * std::max(w, h) ? std::min(w, h) : std::max(w, h);
        if (size > 0.0 && (smallest <= 0.0 || size < smallest))
            smallest = size;
    }
    return smallest > 0.0 ? std::min(1.0, legibleMark / smallest) : 0.0;
}

void Aligner::shareShortRoom(std::vector<double> &fitted, const std::vector<double> &least,
                             double inner) const
{
    // Each gap's floor: the largest share of a floor laid over it, spread
    // over the gaps of its need by their least.
    const size_t gaps = fitted.size();
    std::vector<double> floor(gaps, 0.0);
    double floorSum = 0.0;
    for (const RoomNeed &need : m_needs) {
        if (need.floor <= 0.0)
            continue;
        const size_t from = size_t(need.from);
        const size_t to = size_t(need.to);
        double span = 0.0;
        for (size_t i = from; i < to; ++i)
            span += least[i];
        for (size_t i = from; i < to; ++i)
            floor[i] = std::max(floor[i], need.floor * safeRatio(least[i], span));
    }
    for (size_t i = 0; i < gaps; ++i) {
        floor[i] = std::min(floor[i], least[i]);
        floorSum += floor[i];
    }
    if (floorSum <= 0.0 || floorSum >= inner)
        return;
    // A need its share gave all it asks keeps it: a resting part beside
    // the busy one is not squeezed for the busy one's marks. The other
    // stretches give up at most a fifth of their share, so that what is
    // set beside their glyphs still has room; the floors are met as far
    // as that allows.
    const auto roomOf = [](const std::vector<double> &room, const RoomNeed &need) {
        double sum = 0.0;
        for (size_t i = size_t(need.from); i < size_t(need.to); ++i)
            sum += room[i];
        return sum;
    };
    const auto keeps = [&](const std::vector<double> &raised) {
        for (size_t i = 0; i < gaps; ++i) {
            if (floor[i] <= 0.0 && raised[i] < 0.8 * fitted[i] - 1e-9)
                return false;
        }
        for (const RoomNeed &need : m_needs) {
            if (need.floor <= 0.0 && roomOf(fitted, need) >= need.need - 1e-6 &&
                roomOf(raised, need) < need.need - 1e-6)
                return false;
        }
        return true;
    };
    for (const double part : {1.0, 0.75, 0.5, 0.25}) {
        std::vector<double> partial(gaps);
        for (size_t i = 0; i < gaps; ++i)
            partial[i] = std::max(0.0, fitted[i] + part * (floor[i] - fitted[i]));
        std::vector<double> raised = fitted;
        holdFloors(raised, least, partial, inner);
        if (keeps(raised)) {
            fitted = raised;
            return;
        }
    }
}
