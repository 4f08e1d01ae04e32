// Score's reach of staff notes beyond their row: how far the heads, ledger
// lines, accidentals, stems and beams of a line's staff notes stand outside
// the room the row keeps around its staff, so that the line grows by that
// much instead of running into the next one.
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

#include <algorithm>

namespace {

// A stem of three and a half spaces and one beam, in note sizes: what a
// beamed stem reaches at least, as beams are laid only when drawing.
constexpr double stemReach = 3.5 * 0.25 + 0.12;

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
                if (note->stemShown != 1 && note->stemShown != 2)
                    continue;
                if (note->noteType < 2 || note->grace)
                    continue;
                // The head's place, then the stem's free end from it.
                const int step =
                    getStaffStep(const_cast<Measure *>(measure), part, const_cast<Note *>(note));
                const double head = -step * 0.125 * size;
                const double tip =
                    note->stemShown == 1 ? head - stemReach * size : head + stemReach * size;
                add(note->staff, tip, tip);
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
