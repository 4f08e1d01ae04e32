// Score's line and page layout: the whole pass in either writing
// direction, breaking the displayed measures into stages and the stages
// into pages, and the quantities the placements share.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include <algorithm>

int Score::layoutHorizontalScore()
{
    measureLyricBands();
    collectLineRuns();
    if (page->autoNewline) {
        breakStagesAuto();
        breakPages();
        placeMeasuresAutoHorizontal();
    } else {
        breakStagesFixed();
        breakPages();
        if (page->measureEqualLength)
            placeMeasuresEqualHorizontal();
        else
            placeMeasuresFixedHorizontal();
    }
    placeStages();
    return 1;
}

int Score::layoutVerticalScore()
{
    measureLyricBands();
    collectLineRuns();
    if (page->autoNewline) {
        breakStagesAuto();
        breakPages();
        placeMeasuresAutoVertical();
    } else {
        breakStagesFixed();
        breakPages();
        if (page->measureEqualLength)
            placeMeasuresEqualVertical();
        else
            placeMeasuresFixedVertical();
    }
    placeStages();
    return 1;
}

double Score::stageLength(bool horizontal) const
{
    return horizontal ? page->stageRect.width() : page->stageRect.height();
}

double Score::pageRoomForStages(bool horizontal) const
{
    return horizontal ? page->stageRect.height() : page->stageRect.width();
}

double Score::stageStartOffset(int firstDisplayed) const
{
    // The part labels stand in front of the stage's first measure, so the
    // measures share only what is left of the stage.
    double offset = partLabelRoom(firstDisplayed);
    if (page->titleFirstStageTop && firstDisplayed == 0)
        offset += page->headerAreaSize;
    return offset;
}

double Score::largestNoteSize() const
{
    double largest = 0.0;
    for (const Part *part : parts)
        largest = std::max(largest, part->noteFontSize);
    return largest;
}

double Score::partRowExtent(int part) const
{
    const Part *p = parts.at(part);
    const double row = p->noteFontSize * p->partWidthScale * p->staffCount * page->lineWidthScale;
    // Notes spread over strings across the row keep, beyond the outer
    // strings, the room other styles keep beyond their note line.
    return row + 2.0 * noteSpread(part) * p->partWidthScale * p->staffCount;
}

double Score::stageExtent(int first, int last)
{
    double extent = 0.0;
    for (int p = 0; p < parts.size(); ++p) {
        const Part *part = parts.at(p);
        bool hidden = false;
        if (part->partOutput && !part->partWholeRestLine) {
            hidden = true;
            for (int i = first; i <= last && hidden; ++i)
                hidden = displayedMeasures.at(i)->parts.at(p)->restOnly;
        }
        auto [above, below] = part->partOutput && !hidden ? directionBandsOf(p, first, last)
                                                          : std::pair<double, double>();
        if (part->partOutput && !hidden) {
            // Staff notes far above or below the staff widen the row's
            // bands; the lyric band already keeps clear of the notes.
            const auto [away, toward] = staffNoteReachOf(p, first, last);
            above += away;
            if (lyricBand(p) <= 0.0)
                below += toward;
        }
        for (int i = first; i <= last; ++i) {
            displayedMeasures.at(i)->parts.at(p)->collapsed = hidden;
            displayedMeasures.at(i)->parts.at(p)->directionBand = above;
            displayedMeasures.at(i)->parts.at(p)->directionBandBelow = below;
        }
        if (part->partOutput && !hidden)
            extent += above + partRowExtent(p) + below + lyricBand(p) + lyricNearness(p, below);
    }
    return extent;
}

double Score::naturalLength(const Measure *measure) const
{
    const double width = measure->aligner ? measure->aligner->width() : 0.0;
    const double head = measure->aligner ? measure->aligner->headWidth() : 0.0;
    const double scale = measure->userScale * page->measureScale;
    if (!page->measureTimeProportional)
        return width * scale;
    // 8 mm per quarter note, each measure by its own divisions: a score may
    // change them, and a measure that gave none counts as 1.
    const int divisions = measure->divisions > 0 ? measure->divisions : 1;
    return head * 0.8 + measure->voiceOneLength * (8.0 / divisions) * scale;
}

double Score::fixedLength(const Measure *measure) const
{
    const double width = measure->aligner ? measure->aligner->width() : 0.0;
    return width * measure->userScale;
}

void Score::clearStageFlags()
{
    for (Measure *measure : std::as_const(measures)) {
        measure->stageEnd = false;
        measure->pageEnd = false;
        measure->lineStart = false;
        measure->pageStart = false;
        measure->lineIndex = 0;
    }
    lines.clear();
}

void Score::breakStagesAuto()
{
    clearStageFlags();
    page->resetPages();
    const double room = stageLength(page->horizontal);
    int stage = 0;
    int stageStart = 0;
    double used = 0.0;
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        Measure *measure = displayedMeasures.at(i);
        alignMeasure(measure);
        // A measure takes at least the room its syllables and heads need,
        // so that a stage that would squeeze it breaks earlier.
        const double length = std::max(naturalLength(measure), measure->minimumLength);
        const double wanted = used + length + stageStartOffset(stageStart);
        // The first measure opens the first stage even when it alone is too
        // long; it is squeezed later.
        const bool joins =
            i == 0 || (wanted <= room && displayedMeasures.at(i - 1)->userBreakType == 0);
        if (joins) {
            used += length;
        } else {
            lines.append(stageExtent(stageStart, i - 1));
            displayedMeasures.at(i - 1)->stageEnd = true;
            ++stage;
            stageStart = i;
            used = length;
        }
        measure->lineIndex = stage;
        measure->lineStart = i == stageStart;
    }
    if (!displayedMeasures.isEmpty())
        lines.append(stageExtent(stageStart, int(displayedMeasures.size()) - 1));
}

void Score::breakStagesFixed()
{
    clearStageFlags();
    page->resetPages();
    int stage = 0;
    int stageStart = 0;
    int count = 0;
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        Measure *measure = displayedMeasures.at(i);
        alignMeasure(measure);
        measure->lineIndex = stage;
        measure->lineStart = count == 0;
        // measure-per-line 0 never matches: then only user breaks end stages.
        const bool closes =
            count + 1 == page->measurePerLine || (i > 0 && measure->userBreakType != 0);
        if (!closes) {
            ++count;
            continue;
        }
        lines.append(stageExtent(stageStart, i));
        measure->stageEnd = true;
        ++stage;
        stageStart = i + 1;
        count = 0;
    }
    if (stageStart < displayedMeasures.size())
        lines.append(stageExtent(stageStart, int(displayedMeasures.size()) - 1));
}

void Score::breakPages()
{
    page->resetPages();
    const bool horizontal = page->horizontal;
    double room = pageRoomForStages(horizontal);
    int stage = 0;
    double used = 0.0;
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        Measure *measure = displayedMeasures.at(i);
        const int type = measure->userBreakType;
        if (!measure->stageEnd && (i == 0 || type == 0))
            continue;
        used += lines.value(stage) + page->lineWidthPad;
        const bool nextExists = stage + 1 < lines.size();
        const bool nextOverflows = nextExists && lines.at(stage + 1) + used > room;
        if (i == 0) {
            if (nextOverflows)
                used = 0.0;
        } else if (nextOverflows || type == 2 || type == 3 || type == 5 || type == 6) {
            measure->pageEnd = true;
            page->addPage(true);
            used = 0.0;
            room = pageRoomForStages(horizontal);
        }
        ++stage;
    }
}
