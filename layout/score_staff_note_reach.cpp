// Score's reach of staff notes beyond their row: how far the heads, ledger
// lines, accidentals, stems, beams and tuplet numbers of a line's staff
// notes stand outside the room the row keeps around its staff, so that the
// line grows by that much instead of running into the next one.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QGraphicsItem>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <functional>

namespace {

// A stem of three and a half spaces and one beam, in note sizes: what a
// beamed stem reaches at least, as beams are laid only when drawing.
constexpr double stemReach = 3.5 * 0.25 + 0.12;

// The spacing of tuplet numbers as the tuplet drawer sets them, in note
// sizes: from the stems or beam to a number, and from a number to the
// number of the tuplet around it.
constexpr double tupletNumberClear = 0.2;
constexpr double tupletNumberGap = 0.05;
constexpr double tupletNestGap = 0.2;

// How far a note's ink reaches from the note line (mm, positive toward the
// stems-down side): its head, and the free end of its stem.
struct NoteExtent
{
    double head = 0.0;
    double tip = 0.0;
};

NoteExtent noteExtent(const Score *score, const Measure *measure, int part, const Note *note,
                      double size)
{
    const int step =
        score->getStaffStep(const_cast<Measure *>(measure), part, const_cast<Note *>(note));
    const double head = -step * 0.125 * size;
    if ((note->stemShown != 1 && note->stemShown != 2) || note->noteType < 2 || note->grace)
        return {head, head};
    return {head, note->stemShown == 1 ? head - stemReach * size : head + stemReach * size};
}

// Calls `add(staff, from, to)` with the span across the line of each
// tuplet number of the voice, mm from the note line: a number nested
// numbers deep stands that many number heights beyond its stems, as the
// tuplet drawer places it.
void addTupletReach(const Score *score, const Measure *measure, int part, const Voice *voice,
                    double size, double numberHeight,
                    const std::function<void(int, double, double)> &add)
{
    std::array<int, Note::tupletCount> start{};
    std::array<bool, Note::tupletCount> open{};
    int highest = 0;
    const QList<Note *> &notes = voice->notes;
    for (int i = 0; i < notes.size(); ++i) {
        const Note *note = notes.at(i);
        if (note->chord)
            continue;
        for (int level = 0; level < Note::tupletCount; ++level) {
            if (note->tupletState[level] == 1) {
                start[size_t(level)] = i;
                open[size_t(level)] = true;
                highest = std::max(highest, level);
            } else if (note->tupletState[level] == 2 && open[size_t(level)]) {
                open[size_t(level)] = false;
                const Note *first = notes.at(start[size_t(level)]);
                if (first->stemShown == 1 || first->stemShown == 2) {
                    const bool below = first->stemShown == 2;
                    // The ink on the number's side: stems' ends there, heads
                    // on the other side's stems.
                    double edge = below ? -1e9 : 1e9;
                    for (int k = start[size_t(level)]; k <= i; ++k) {
                        const NoteExtent e = noteExtent(score, measure, part, notes.at(k), size);
                        edge = below ? std::max({edge, e.head, e.tip})
                                     : std::min({edge, e.head, e.tip});
                    }
                    const bool bracket = first->tupletBracket[size_t(level)];
                    const double clear = bracket
                                             ? std::max(tupletNumberClear * size,
                                                        0.5 * numberHeight + tupletNumberGap * size)
                                             : tupletNumberClear * size;
                    const double depth = (highest - level) * (numberHeight + tupletNestGap * size);
                    const double near = clear + depth - (bracket ? 0.5 * numberHeight : 0.0);
                    // Air beyond the number keeps it off the row's frame.
                    const double far = near + numberHeight + tupletNumberClear * size;
                    if (below)
                        add(first->staff, edge + near, edge + far);
                    else
                        add(first->staff, edge - far, edge - near);
                }
            }
        }
        if (std::none_of(open.cbegin(), open.cend(), [](bool o) { return o; }))
            highest = 0;
    }
}

// The height across the line of a tuplet number of the part, mm.
double tupletNumberHeight(const Score *score, int part)
{
    const Part *settings = score->parts.at(part);
    const bool horizontal = score->page->horizontal;
    const QString id = horizontal ? QStringLiteral("3_Italic") : QStringLiteral("3_Italic_V");
    const auto &renderer = settings->noteFontRenderer;
    if (!renderer || !renderer->elementExists(id) || score->page->scaleFactor <= 0.0)
        return 0.0;
    const QRectF box = renderer->boundsOnElement(id);
    const double scale =
        settings->noteFontSize * score->page->glyphScale / score->page->scaleFactor;
    return (horizontal ? box.height() : box.width()) * scale;
}

} // namespace

std::pair<double, double> Score::staffNoteReachOf(int part, int first, int last) const
{
    const Part *settings = parts.at(part);
    if (settings->notationStyle != NotationStyle::StaffNotation || !settings->noteOutput)
        return {0.0, 0.0};
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double size = settings->noteFontSize;
    const int staves = std::max(1, settings->staffCount);
    const double numberHeight = tupletNumberHeight(this, part);
    // Away from the lyrics is up in horizontal writing, right in vertical
    // writing; both sides are counted from the note line of a staff.
    double away = 0.0;
    double toward = 0.0;
    const auto add = [&](int staff, double from, double to) {
        if (staff == 0)
            away = std::max(away, -from);
        if (staff == staves - 1)
            toward = std::max(toward, to);
    };
    for (int i = first; i <= last; ++i) {
        const Measure *measure = displayedMeasures.at(i);
        const MePart *cell = measure->parts.value(part);
        if (!cell || measure->multiRestCount >= 2)
            continue;
        for (const Voice *voice : cell->voices) {
            addTupletReach(this, measure, part, voice, size, numberHeight, add);
            for (const Note *note : voice->notes) {
                if (!note->visible || note->rest || note->firstAlignItem < 0)
                    continue;
                for (int k = std::max(0, note->alignItemBegin);
                     k <= note->alignItemEnd && k < voice->alignItems.size(); ++k) {
                    const AlignItem *item = voice->alignItems.at(k);
                    const QGraphicsItem *glyph = item->graphicsItem;
                    if (!glyph || !glyph->isVisible())
                        continue;
                    const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
                    if (horizontal)
                        add(item->staff, item->refOffsetY + box.top() / s,
                            item->refOffsetY + box.bottom() / s);
                    else
                        add(item->staff, -(item->refOffsetX + box.right() / s),
                            -(item->refOffsetX + box.left() / s));
                }
                const NoteExtent e = noteExtent(this, measure, part, note, size);
                if (e.tip != e.head)
                    add(note->staff, e.tip, e.tip);
            }
        }
    }
    // The room the row keeps on each side of a staff's note line.
    const double band = partRowExtent(part) / staves;
    const double shift = size * settings->partShift;
    const double roomAway = 0.5 * band - shift;
    const double roomToward = 0.5 * band + shift;
    return {std::max(0.0, away - roomAway), std::max(0.0, toward - roomToward)};
}
