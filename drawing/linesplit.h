// A mark that runs along the writing direction across line ends, cut into
// one piece per line.
#pragma once

#include <QList>

class Measure;
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
