#include "support/measurelayout.h"

#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "support/modelbuilder.h"

#include <algorithm>

namespace TestSupport {

MeasureLayout::MeasureLayout(bool horizontal)
{
    score.page->horizontal = horizontal;
    // Part labels are the voice step's; the measure items are read alone.
    score.page->displayPartFullName = false;
    score.page->displayPartAbbrName = false;
    score.page->resetPages();
}

Part *MeasureLayout::addPart(int notationStyle, int staves, double noteSize)
{
    ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P%1").arg(score.parts.size() + 1), notationStyle);
    const QString font = NoteFonts::firstFontName(NoteFontFolder::path(notationStyle));
    if (!font.isEmpty()) {
        part->noteFontName = font;
        part->loadNoteFont();
    }
    part->staffCount = staves;
    part->noteFontSize = noteSize;
    score.maxNoteSize = std::max(score.maxNoteSize, noteSize);
    return part;
}

void MeasureLayout::addMeasures(int count, int fifths)
{
    ModelBuilder builder(&score);
    for (int i = 0; i < count; ++i) {
        Measure *m = builder.addMeasure(3, 8);
        m->fifths = fifths;
        if (i == 0) {
            m->timeGiven = true;
            m->beatsText = QStringLiteral("3");
            m->keyGiven = true;
        }
        for (MePart *cell : std::as_const(m->parts)) {
            cell->clefSigns[0] = QStringLiteral("G");
            cell->clefSigns[1] = QStringLiteral("F");
            if (i == 0)
                cell->clefGiven[0] = cell->clefGiven[1] = true;
        }
    }
}

void MeasureLayout::layOut(const QList<int> &lineLengths)
{
    score.buildDisplayedMeasures();
    Page *page = score.page;
    const bool horizontal = page->horizontal;
    double lineExtent = 0.0;
    for (const Part *part : std::as_const(score.parts))
        lineExtent += rowPerStaff * std::max(1, part->staffCount);

    int d = 0;
    for (int line = 0; line < lineLengths.size(); ++line) {
        for (int j = 0; j < lineLengths.at(line); ++j, ++d) {
            Measure *m = score.displayedMeasures.at(d);
            if (horizontal) {
                m->originX = page->pageOriginX + page->stageRect.left() + j * measureLength;
                m->originY = page->pageOriginY + page->stageRect.top() + line * lineExtent;
                m->width = measureLength;
                m->height = lineExtent;
            } else {
                m->originX = page->pageOriginX + page->stageRect.right() - (line + 1) * lineExtent;
                m->originY = page->pageOriginY + page->stageRect.top() + j * measureLength;
                m->width = lineExtent;
                m->height = measureLength;
            }
            m->stageEnd = j == lineLengths.at(line) - 1;
            m->aligner->setHeadWidth(4.0);
            double rowStart = 0.0;
            for (int p = 0; p < score.parts.size(); ++p) {
                MePart *cell = m->parts.at(p);
                const double row = cell->collapsed
                                       ? 0.0
                                       : rowPerStaff * std::max(1, score.parts.at(p)->staffCount);
                cell->partOffset = horizontal ? rowStart : -(rowStart + row);
                cell->partExtent = row;
                rowStart += row;
            }
        }
    }
}

void MeasureLayout::generate()
{
    score.scene->clear();
    score.page->resetPages();
    for (int i = 0; i < score.measures.size();) {
        const Measure *m = score.measures.at(i);
        score.genMeasureItems(i);
        i += m->multiRestCount >= 2 ? m->multiRestCount : 1;
    }
}

} // namespace TestSupport
