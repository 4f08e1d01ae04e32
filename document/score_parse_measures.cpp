// Score's measure parser: the notes, directions, notations, attributes and
// barlines of every measure that the measure builder made.
#include "model/score.h"

void Score::parseMeasures()
{
    // The measure and note parsers fill this in; until then the measures
    // stay as the builder made them.
}
