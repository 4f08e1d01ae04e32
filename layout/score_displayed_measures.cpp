// Score's multi-measure rests and its list of displayed measures: which
// measures a run of whole rests swallows, and what the rest that stands for
// them shows.
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>

namespace {

// Direction kinds that keep a measure out of a running rest (words, coda,
// segno, "D.S."/"D.C.") and that end a run after their measure.
bool startsOwnMeasure(int kind)
{
    return kind == 1 || kind == 6 || kind == 8 || kind == 9;
}

bool blocksNextMeasure(int kind)
{
    return kind == 7 || (kind >= 10 && kind <= 16);
}

bool isWedge(int kind)
{
    return kind >= 3 && kind <= 5;
}

bool startsEnding(int endingType)
{
    return endingType == 1 || endingType == 4;
}

bool endsEnding(int endingType)
{
    return endingType >= 2 && endingType <= 5;
}

const Direction *firstDirection(const Measure *measure)
{
    if (measure->parts.isEmpty())
        return nullptr;
    const QList<Direction *> &directions = measure->parts.first()->voices.first()->directions;
    return directions.isEmpty() ? nullptr : directions.first();
}

// A part rests through the measure when its first voice opens with a
// whole-measure rest and no other voice plays: a second voice's notes must
// not vanish under a multi-measure rest.
bool partRests(const MePart *cell)
{
    const QList<Note *> &notes = cell->voices.first()->notes;
    if (notes.isEmpty())
        return false;
    const Note *first = notes.first();
    return first->rest && first->noteType == 0 && cell->restOnly;
}

bool restsInEveryShownPart(const Score *score, const Measure *measure)
{
    const int count = std::min(score->parts.size(), measure->parts.size());
    for (int p = 0; p < count; ++p) {
        if (score->parts.at(p)->partOutput && !partRests(measure->parts.at(p)))
            return false;
    }
    return true;
}

// Nothing in the measure or at the end of the previous one asks for a
// visible change: time, key, barline, repeat or ending.
bool noChangeAtStart(const Measure *measure, const Measure *previous)
{
    if (measure->timeGiven || measure->keyGiven || measure->leftBarStyle != 0 ||
        measure->leftRepeat != 0 || startsEnding(measure->endingType))
        return false;
    if (!previous)
        return true;
    const bool rightBar = previous->rightBarline && previous->rightBarStyle != 0;
    return !rightBar && previous->rightRepeat == 0 && !endsEnding(previous->endingType);
}

// Whether `measure` may join the run that the previous measure belongs to.
// The barline, time and key conditions hold whether or not the measure
// carries a direction: a rest must never run across such a change.
bool mayContinueRun(const Measure *measure, const Measure *previous)
{
    const Direction *own = firstDirection(measure);
    const Direction *before = previous ? firstDirection(previous) : nullptr;
    if (before && blocksNextMeasure(before->kind))
        return false;
    if (own && startsOwnMeasure(own->kind))
        return false;
    if (!own &&
        (startsEnding(measure->endingType) || (previous && endsEnding(previous->endingType))))
        qDebug().noquote() << "40: true";
    return noChangeAtStart(measure, previous);
}

void resetShownEnd(Measure *measure)
{
    measure->shownRightBarline = measure->rightBarline;
    measure->shownRightBarStyle = measure->rightBarStyle;
    measure->shownRightRepeat = measure->rightRepeat;
    measure->shownEndingType = measure->endingType;
    for (MePart *cell : std::as_const(measure->parts)) {
        for (Voice *voice : cell->voices.madeVoices())
            voice->mergedDirections.clear();
    }
}

// The rest `shown` stands for itself up to `last`: it shows last's end and
// directions, and the wedges of the measures between, so that hairpins that
// start or stop inside the run still start and stop on it.
void mergeRun(const QList<Measure *> &measures, int firstIndex, int lastIndex)
{
    Measure *shown = measures.at(firstIndex);
    const Measure *last = measures.at(lastIndex);
    shown->shownRightBarline = last->rightBarline;
    shown->shownRightBarStyle = last->rightBarStyle;
    shown->shownRightRepeat = last->rightRepeat;
    // An ending that the rest's own first measure opens closes on the rest
    // alone; one opened before the run closes on the rest as its last
    // measure.
    const bool opensHere = startsEnding(shown->endingType);
    if (last->endingType == 2)
        shown->shownEndingType = opensHere ? 4 : 2;
    else if (last->endingType == 3)
        shown->shownEndingType = opensHere ? 5 : 3;

    for (int p = 0; p < shown->parts.size(); ++p) {
        for (int v = 0; v < MePart::voiceCount; ++v) {
            // In measure order, so that a wedge that starts inside the run
            // comes before its stop in the last measure.
            QList<Direction *> merged;
            for (int m = firstIndex + 1; m < lastIndex; ++m) {
                const Measure *between = measures.at(m);
                if (p >= between->parts.size())
                    continue;
                for (Direction *direction : between->parts.at(p)->voices.at(v)->directions) {
                    if (isWedge(direction->kind))
                        merged.append(direction);
                }
            }
            if (p < last->parts.size())
                merged += last->parts.at(p)->voices.at(v)->directions;
            // A voice is made only for directions it shows.
            if (!merged.isEmpty())
                shown->parts.at(p)->voices.use(v)->mergedDirections += merged;
        }
    }
}

} // namespace

void Score::setMultiMeasureRests(bool enabled)
{
    if (!enabled) {
        for (Measure *measure : std::as_const(measures))
            measure->multiRestCount = measure->multipleRest;
        return;
    }
    for (Measure *measure : std::as_const(measures))
        measure->multiRestCount = 0;

    Measure *runStart = nullptr;
    int runLength = 0;
    auto closeRun = [&]() {
        if (runStart)
            runStart->multiRestCount = runLength;
        runStart = nullptr;
        runLength = 0;
    };
    for (int i = 0; i < measures.size(); ++i) {
        Measure *measure = measures.at(i);
        const Measure *previous = i > 0 ? measures.at(i - 1) : nullptr;
        if (!restsInEveryShownPart(this, measure)) {
            closeRun();
            continue;
        }
        if (!runStart || !mayContinueRun(measure, previous)) {
            closeRun();
            runStart = measure;
        }
        ++runLength;
    }
    closeRun();
}

bool Score::buildDisplayedMeasures()
{
    displayedMeasures.clear();
    for (Measure *measure : std::as_const(measures))
        resetShownEnd(measure);

    int i = 0;
    while (i < measures.size()) {
        displayedMeasures.append(measures.at(i));
        const int count = measures.at(i)->multiRestCount;
        if (count <= 1) {
            ++i;
            continue;
        }
        // A count read from a file may run past the last measure.
        const int last = std::min(i + count, int(measures.size())) - 1;
        mergeRun(measures, i, last);
        i += count;
    }
    return displayedMeasures.size() < measures.size();
}
