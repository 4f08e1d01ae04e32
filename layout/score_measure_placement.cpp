// Score's placement of measures along their stages: each stage's measures
// are fitted to their share of the stage length and set one after another
// along the reading direction, page by page.
#include "layout/aligner.h"
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
        scaleSum += measure->userScale;
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
                lengths.append(displayedMeasures.at(k)->userScale * unit);
            placeStageMeasures(stageStart, i, lengths, horizontal);
            scaleSum = 0.0;
            stageStart = i + 1;
        }
        advancePageAfter(measure);
    }
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
