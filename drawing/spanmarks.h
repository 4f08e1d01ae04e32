// What the drawers of marks that span notes share: the open start of a
// numbered line (brackets, octave shifts) handed over to its stop, and how a
// mark the user hid is shown.
#pragma once

#include <optional>

class Direction;
class Measure;
class Part;
class QGraphicsItem;
class Score;

struct SpanStart
{
    Measure *startMeasure = nullptr;
    int kind = 0; // the drawer's own: a line kind or the start record's kind
    Direction *direction = nullptr;
    double startPosition = 0.0;
    int voice = 0; // the start's voice, for the handle's tag
};

// A start taken out of its slot by a stop, with the part's index and the
// score indices of the start and stop measures.
struct StartedSpan
{
    SpanStart start;
    int partIndex = -1;
    int firstMeasure = -1;
    int lastMeasure = -1;
};

// Empties `slot` for a stop in `stop` and returns the start it held.
// Nothing for an empty slot, a part or measure the score no longer holds, or
// a stop before its start.
std::optional<StartedSpan> takeSpanStart(SpanStart &slot, const Score *score, const Part *part,
                                         const Measure *stop);

// A hidden mark shows faintly while editing and not at all in clean output.
void showUnlessHidden(QGraphicsItem *item, bool shown, bool cleanOutput);
