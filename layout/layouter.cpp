#include "layout/layouter.h"

#include "model/mepart.h"
#include "model/score.h"

Layouter::Layouter(Score *score, Measure *measure, QObject *parent)
    : QObject(parent), score(score), measure(measure)
{
    resetLists();
}

void Layouter::resetLists()
{
    const int parts = score ? int(score->parts.size()) : 0;
    partOffsets.fill(0.0, parts);
    rowWidths.fill(0.0, parts);
    partChordTotals.fill(0, parts);
    total = 0;
    chordCounts.fill(QList<int>(MePart::voiceCount, 0), parts);
    laneOffsets.fill(QList<double>(MePart::voiceCount, 0.0), parts);
    laneWidths.fill(QList<double>(MePart::voiceCount, 0.0), parts);
}
