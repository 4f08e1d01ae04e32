// A mark that runs along the writing direction across line ends, cut into
// one piece per line, each piece kept in its own line's system.
#pragma once

#include <QList>

class Measure;
class QGraphicsItem;
class Score;

struct LineSpan
{
    const Measure *measure = nullptr; // the measure the piece ends in
    double from = 0.0;                // mm along the writing direction
    double to = 0.0;
};

// The pieces of a mark from `from` in measure `first` to `to` in measure
// `last` (indices into the score's measures, first <= last): every line
// end in between closes a piece at the measure's far edge and opens the
// next one at the following measure's origin (no room left for its head).
QList<LineSpan> splitAtLineEnds(const Score *score, int first, int last, double from, double to);

// Moves `item` (placed, not yet parented) across the writing direction just
// far enough that its scene box lies inside the system of `measure`: a mark
// computed beyond its line's frame would otherwise sit on the neighbouring
// line. An item larger than the frame keeps its near edge inside.
void keepInsideSystem(QGraphicsItem *item, const Score *score, const Measure *measure);
