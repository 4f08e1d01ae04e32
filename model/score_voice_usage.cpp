// Score's voice usage: which of a part's voice slots hold notes anywhere in
// the score.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/score.h"
#include "model/voice.h"

static_assert(MePart::voiceCount <= 32, "one bit per voice slot");

quint32 Score::voicesHoldingNotes(int part) const
{
    quint32 used = 0;
    for (const Measure *measure : measures) {
        const MePart *cell = measure->parts.value(part);
        if (!cell)
            continue;
        for (int v = 0; v < cell->voices.size(); ++v) {
            if (!cell->voices.at(v)->notes.isEmpty())
                used |= 1u << v;
        }
    }
    return used;
}
