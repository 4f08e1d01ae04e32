// Score's placement of stages across their pages: each page's stages are
// spread over the page's room, and every part row of every measure gets
// its offset and extent across the reading direction.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include <algorithm>

namespace {

// The last page, left unfitted, looks like the page before it; but a sparse
// page before it (a page break after a few stages) carries a ratio or gap
// that would push the last page's stages off the sheet. They shrink just
// enough to keep every stage inside the stage area.
void shrinkCarriedSpacingToFit(const Page &page, double room, double summed, int stages,
                               double &ratio, double &gap)
{
    const bool fits = page.drawStageLine ? summed * ratio <= room
                                         : summed + gap * std::max(0, stages - 1) <= room;
    if (fits)
        return;
    if (summed > 0.0)
        ratio = std::min(ratio, room / summed);
    gap = stages > 1 ? std::max(0.0, std::min(gap, (room - summed) / (stages - 1)))
                     : page.lineWidthPad;
}

} // namespace

void Score::placeStages()
{
    page->resetPages();
    carriedStageRatio = 1.0;
    carriedStageGap = 0.0;
    const bool horizontal = page->horizontal;
    int first = 0;
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        if (!displayedMeasures.at(i)->pageEnd)
            continue;
        if (horizontal)
            placeStagesHorizontal(first, i);
        else
            placeStagesVertical(first, i);
        first = i + 1;
    }
    if (first < displayedMeasures.size()) {
        const int last = int(displayedMeasures.size()) - 1;
        if (horizontal)
            placeStagesHorizontal(first, last);
        else
            placeStagesVertical(first, last);
    }
}

void Score::placeStagesHorizontal(int first, int last)
{
    placeStagesOfPage(first, last, true);
}

void Score::placeStagesVertical(int first, int last)
{
    placeStagesOfPage(first, last, false);
}

void Score::placeStagesOfPage(int first, int last, bool horizontal)
{
    const int lastIndex = int(displayedMeasures.size()) - 1;
    const double room = pageRoomForStages(horizontal);
    int stages = 0;
    double summed = 0.0;
    for (int i = first; i <= last; ++i) {
        const Measure *measure = displayedMeasures.at(i);
        if (measure->stageEnd || i == lastIndex) {
            ++stages;
            summed += lines.value(measure->lineIndex);
        }
    }

    double ratio = carriedStageRatio;
    double gap = first == 0 ? page->lineWidthPad : carriedStageGap;
    if (page->pageFit || last != lastIndex) {
        // Stages with nothing shown have no extent to scale; a lone stage
        // has no gap to spread, so the next page gets the usual pad.
        ratio = summed > 0.0 ? room / summed : 1.0;
        gap = stages > 1 ? (room - summed) / (stages - 1) : page->lineWidthPad;
    } else {
        shrinkCarriedSpacingToFit(*page, room, summed, stages, ratio, gap);
    }

    const double rowScale = page->drawStageLine ? ratio : 1.0;
    double offset = 0.0;
    displayedMeasures.at(first)->pageStart = true;
    for (int i = first; i <= last; ++i) {
        Measure *measure = displayedMeasures.at(i);
        const double extent = lines.value(measure->lineIndex);
        const double shown = extent * rowScale;
        if (horizontal) {
            measure->originY = page->stageRect.top() + page->pageOriginY + offset;
            measure->height = shown;
        } else {
            measure->originX = page->stageRect.width() + page->stageRect.left() +
                               page->pageOriginX - offset - shown;
            measure->width = shown;
        }
        double rowStart = 0.0;
        for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
            MePart *cell = measure->parts.at(p);
            const bool drawn = parts.at(p)->partOutput && !cell->collapsed;
            const double row = drawn ? partRowExtent(p) * rowScale : 0.0;
            const double band = drawn ? lyricBand(p) * rowScale : 0.0;
            // Vertical writing: rows run from the stage's right edge
            // leftwards. The direction band comes before the note row
            // (above it, or right of it); the band below the notes and then
            // the lyric band follow it (below it, or left of it).
            cell->directionBand = drawn ? cell->directionBand * rowScale : 0.0;
            cell->directionBandBelow = drawn ? cell->directionBandBelow * rowScale : 0.0;
            rowStart += cell->directionBand;
            cell->partOffset = horizontal ? rowStart : -(rowStart + row);
            cell->partExtent = row;
            cell->lyricBand = band;
            rowStart +=
                row + cell->directionBandBelow + band + lyricNearness(p, cell->directionBandBelow);
        }
        if (measure->stageEnd)
            offset += page->drawStageLine ? shown : extent + gap;
    }

    const int type = displayedMeasures.at(last)->userBreakType;
    if (type == 3 || type == 6)
        page->addPage(true);
    else if (last != lastIndex)
        page->addPage(false);
    carriedStageRatio = ratio;
    carriedStageGap = gap;
}
