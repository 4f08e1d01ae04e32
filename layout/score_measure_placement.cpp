// Score's placement of measures along their stages: each stage's measures
// are fitted to their share of the stage length and set one after another
// along the reading direction, page by page.
#include "layout/aligner.h"
#include "layout/pickupmeasure.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"

#include <algorithm>

namespace {

// Breaks 4 to 6 keep their stage unfitted.
bool notFittedBreak(int userBreakType)
{
    return userBreakType >= 4 && userBreakType <= 6;
}

// One ratio for every length of a stage. An unfitted stage keeps its
// lengths unless they are too long for the stage, then it is narrowed like
// any other: a measure must never run off the page. A stage of zero-length
// measures stays as it is.
double stageRatio(bool fitted, double summedLength, double room)
{
    if (summedLength <= 0.0)
        return 1.0;
    const double ratio = room / summedLength;
    return fitted ? ratio : std::min(1.0, ratio);
}

} // namespace

void Score::placeMeasuresAutoHorizontal()
{
    placeMeasuresScaled(true, true);
}

void Score::placeMeasuresAutoVertical()
{
    placeMeasuresScaled(false, true);
}

void Score::placeMeasuresFixedHorizontal()
{
    placeMeasuresScaled(true, false);
}

void Score::placeMeasuresFixedVertical()
{
    placeMeasuresScaled(false, false);
}

void Score::placeMeasuresEqualHorizontal()
{
    placeMeasuresEqual(true);
}

void Score::placeMeasuresEqualVertical()
{
    placeMeasuresEqual(false);
}

void Score::placeMeasuresScaled(bool horizontal, bool automatic)
{
    page->resetPages();
    if (displayedMeasures.isEmpty())
        return;
    displayedMeasures.last()->stageEnd = true;
    const int lastIndex = int(displayedMeasures.size()) - 1;
    QList<double> lengths;
    double summed = 0.0;
    int stageStart = 0;
    for (int i = 0; i <= lastIndex; ++i) {
        Measure *measure = displayedMeasures.at(i);
        if (automatic)
            alignMeasure(measure); // the head may change now that stage starts are known
        lengths.append(automatic ? naturalLength(measure) : fixedLength(measure));
        summed += lengths.last();
        if (measure->stageEnd) {
            const double room =
                std::max(0.0, stageLength(horizontal) - stageStartOffset(stageStart));
            const bool fitted =
                !notFittedBreak(measure->userBreakType) && (i != lastIndex || page->lastLineFit);
            const double ratio = stageRatio(fitted, summed, room);
            for (double &length : lengths)
                length *= ratio;
            keepMinimumLengths(stageStart, lengths, fitted, room, automatic);
            placeStageMeasures(stageStart, i, lengths, horizontal);
            lengths.clear();
            summed = 0.0;
            stageStart = i + 1;
        }
        advancePageAfter(measure);
    }
}

void Score::placeMeasuresEqual(bool horizontal)
{
    page->resetPages();
    if (displayedMeasures.isEmpty())
        return;
    displayedMeasures.last()->stageEnd = true;
    const int lastIndex = int(displayedMeasures.size()) - 1;
    double scaleSum = 0.0;
    int stageStart = 0;
    for (int i = 0; i <= lastIndex; ++i) {
        Measure *measure = displayedMeasures.at(i);
        scaleSum += equalShare(measure);
        if (measure->stageEnd) {
            const int count = i - stageStart + 1;
            const double room =
                std::max(0.0, stageLength(horizontal) - stageStartOffset(stageStart));
            // An unfitted stage, and a short last one without last-line-fit,
            // keep the unit of a full stage; the rest of it stays empty. With
            // measure-per-line 0 or below there is no full stage to match.
            const bool unfitted =
                notFittedBreak(measure->userBreakType) ||
                (i == lastIndex && !page->lastLineFit && count < page->measurePerLine);
            const int missing = unfitted ? std::max(0, page->measurePerLine - count) : 0;
            const double units = scaleSum + missing;
            const double unit = units > 0.0 ? room / units : 0.0;
            QList<double> lengths;
            for (int k = stageStart; k <= i; ++k)
                lengths.append(equalShare(displayedMeasures.at(k)) * unit);
            keepMinimumLengths(stageStart, lengths, !unfitted, room, false);
            placeStageMeasures(stageStart, i, lengths, horizontal);
            scaleSum = 0.0;
            stageStart = i + 1;
        }
        advancePageAfter(measure);
    }
}

double Score::equalShare(const Measure *measure) const
{
    // A pickup fills only part of a measure, and takes only that part.
    return measure->userScale * PickupMeasure::lengthShare(measures, measure);
}

void Score::keepMinimumLengths(int first, QList<double> &lengths, bool fitted, double room,
                               bool automatic)
{
    const int count = int(lengths.size());
    QList<double> minima;
    double minimaSum = 0.0;
    bool short_ = false;
    for (int k = 0; k < count; ++k) {
        minima.append(displayedMeasures.at(first + k)->minimumLength);
        minimaSum += minima.last();
        short_ = short_ || lengths.at(k) < minima.last();
    }
    // Nothing below its minimum: the placement's lengths stand as they are.
    if (!short_)
        return;
    double wanted = 0.0;
    for (int k = 0; k < count; ++k)
        wanted += std::max(lengths.at(k), minima.at(k));
    // A fitted stage fills its room; an unfitted one keeps its lengths,
    // grown where a measure needs more, but never past the room.
    const double total = fitted ? room : std::min(wanted, room);
    if (minimaSum > total) {
        // Too little room even for the minima: every measure gives up the
        // same share of what it needs.
        for (int k = 0; k < count; ++k) {
            Measure *measure = displayedMeasures.at(first + k);
            const double weight = minima.at(k) > 0.0 ? minima.at(k) : lengths.at(k);
            lengths[k] = weight * total / minimaSum;
            measure->belowMinimum = minima.at(k) > lengths.at(k);
            // Automatic breaking narrows only a measure alone on its
            // stage, which the reader sees; a fixed line is named.
            if (measure->belowMinimum && !automatic)
                reportNarrowedMeasure(measure);
        }
        return;
    }
    // The measures held at their minima take their room first; the others
    // share the rest in proportion to their lengths. Each round holds at
    // least one more measure, so this ends after at most `count` rounds.
    QList<bool> held(count, false);
    double scale = 1.0;
    double freeSum = 0.0;
    for (int round = 0; round <= count; ++round) {
        double heldSum = 0.0;
        freeSum = 0.0;
        for (int k = 0; k < count; ++k) {
            if (held.at(k))
                heldSum += minima.at(k);
            else
                freeSum += lengths.at(k);
        }
        scale = freeSum > 0.0 ? (total - heldSum) / freeSum : 0.0;
        bool more = false;
        for (int k = 0; k < count; ++k) {
            if (!held.at(k) && lengths.at(k) * scale < minima.at(k)) {
                held[k] = true;
                more = true;
            }
        }
        if (!more)
            break;
    }
    // Every measure held and room to spare: the minima share it.
    const double spread = freeSum > 0.0 ? 1.0 : total / minimaSum;
    for (int k = 0; k < count; ++k)
        lengths[k] = held.at(k) ? minima.at(k) * spread : lengths.at(k) * scale;
}

void Score::reportNarrowedMeasure(const Measure *measure)
{
    // Once per measure and score: every regeneration narrows it again.
    const int index = measure->indexInScore();
    if (narrowedMeasuresReported.contains(index))
        return;
    narrowedMeasuresReported.insert(index);
    appendLog(tr("Measure %1 needs more room than its line has: narrowed with the others of "
                 "its line.\n")
                  .arg(PickupMeasure::shownNumber(measures, index)));
}

void Score::placeStageMeasures(int first, int last, const QList<double> &lengths, bool horizontal)
{
    double along = stageStartOffset(first);
    for (int i = first; i <= last; ++i) {
        Measure *measure = displayedMeasures.at(i);
        const double length = lengths.at(i - first);
        fitMeasure(measure, length);
        if (horizontal) {
            measure->originX = page->pageOriginX + page->stageRect.left() + along;
            measure->width = length;
        } else {
            measure->originY = page->pageOriginY + page->stageRect.top() + along;
            measure->height = length;
        }
        along += length;
    }
}

void Score::advancePageAfter(const Measure *measure)
{
    const int type = measure->userBreakType;
    if (type == 3 || type == 6)
        page->addPage(true);
    else if (measure->pageEnd)
        page->addPage(false);
}
