// Measure's lines of a part's band: the centre, the reference line the
// note glyphs stand on, and the staff lines of staff notation. All answer
// across the reading direction, in millimetres. Vertical writing stacks
// parts as columns from the right, so its offsets count leftwards from the
// measure's far x edge.
#include "model/measure.h"

#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

namespace {

constexpr int tozanTrad = 3;
// Glyph counts above this stack beyond the note box, except in TozanTrad.
constexpr int maxStackedGlyphs = 4;

} // namespace

double Measure::getPartCenter(int part) const
{
    const MePart *cell = parts.at(part);
    if (horizontal())
        return originY + cell->partOffset + 0.5 * cell->partExtent;
    return originX + width + cell->partOffset + 0.5 * cell->partExtent;
}

double Measure::getPartRefLine(int part) const
{
    const Part *settings = score->parts.at(part);
    const double shift = settings->noteFontSize * settings->partShift;
    return horizontal() ? getPartCenter(part) - shift : getPartCenter(part) + shift;
}

double Measure::getStaffLinePos(int staff, int part) const
{
    const Part *settings = score->parts.at(part);
    if (settings->notationStyle != NotationStyle::StaffNotation)
        return getPartCenter(part);
    const MePart *cell = parts.at(part);
    const int staves = qMax(1, settings->staffCount);
    const double band = cell->partExtent / staves;
    // Staff 0 is the topmost band in horizontal writing, the rightmost in
    // vertical writing.
    if (horizontal())
        return originY + cell->partOffset + (staff + 0.5) * band;
    return originX + width + cell->partOffset + (staves - staff - 0.5) * band;
}

double Measure::getPartNoteLine(int staff, int part) const
{
    const Part *settings = score->parts.at(part);
    if (settings->notationStyle != NotationStyle::StaffNotation)
        return getPartRefLine(part);
    const double shift = settings->noteFontSize * settings->partShift;
    const double line = getStaffLinePos(staff, part);
    return horizontal() ? line - shift : line + shift;
}

int Measure::clampCountForStyle(int part, int count) const
{
    if (score->parts.at(part)->notationStyle == tozanTrad)
        return count;
    return qMin(count, maxStackedGlyphs);
}
