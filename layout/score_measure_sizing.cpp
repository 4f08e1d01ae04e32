// Score's bridge from the line layout to a measure's own widths: its head
// and tail room (a stand-in, see score.h), its time alignment for them, and
// fitting it to the length its stage gives it.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

#include <algorithm>

namespace {

Aligner *alignerOf(Score *score, Measure *measure)
{
    if (!measure->aligner)
        measure->aligner = new Aligner(score);
    return measure->aligner;
}

int longestPartName(const QList<Part *> &parts)
{
    int longest = 0;
    for (const Part *part : parts)
        longest = std::max(longest, int(part->partName.size()));
    return longest;
}

} // namespace

void Score::calcMeasureHeadWidth(Measure *measure)
{
    if (parts.isEmpty())
        return;
    const double size = largestNoteSize();
    // The part names stand in front of the first measure; this is the only
    // place that makes room for them (the stage start offsets do not).
    double nameRoom = 0.0;
    if (page->displayPartFullName && !measures.isEmpty() && measures.first() == measure)
        nameRoom = longestPartName(parts) * size * 0.8;
    Aligner *aligner = alignerOf(this, measure);
    aligner->setHeadWidth(style->measureLeadingPad * size + nameRoom);
    aligner->setPadWidth(style->measureTailingPad + 0.1 * size);
}

void Score::alignMeasure(Measure *measure)
{
    calcMeasureHeadWidth(measure);
    alignerOf(this, measure)->alignTics(measure);
}

void Score::fitMeasure(Measure *measure, double length)
{
    alignerOf(this, measure)->fitToWidth(length);
}
