// Score's frame of every generation: the scene cleared with a new watcher,
// the page cursor, one selectable item per displayed measure, stage
// brackets, measure numbers and stage lines at line starts and ends, break
// marks, the page step of the second pass, the footer line and the frames
// that close the picture.
#include "drawing/breakitem.h"
#include "drawing/measureitem.h"
#include "drawing/watcheritem.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"

#include <QDate>
#include <QGraphicsRectItem>

namespace {

bool isWhitePageBreak(int userBreakType)
{
    return userBreakType == 3 || userBreakType == 6;
}

// How many measures of the full list a displayed measure stands for.
int measureSpan(const Measure *measure)
{
    return measure->multiRestCount >= 2 ? measure->multiRestCount : 1;
}

} // namespace

void Score::beginGraphicItems()
{
    // Clearing deletes every item, the watcher and measure items included.
    watcher = nullptr;
    measureNumberItems.clear();
    for (Measure *m : std::as_const(measures))
        m->measureItem = nullptr;
    scene->clearItems();

    watcher = new WatcherItem(this);
    scene->addItem(watcher);
    page->resetPages();
    genPageNumber();
    if (page->drawStageLine)
        drawStageFrame();
    if (dSw)
        drawDebugFrames();
}

namespace {

// Purple boxes over a measure's head and tail pad for the debugging
// display (scene units from mm).
void addMeasureDebugBoxes(Scene *scene, const Measure *m, bool horizontal, double s)
{
    if (!m->aligner)
        return;
    const QPen pen(QColor(125, 0, 125));
    const double head = m->aligner->headWidth();
    const double pad = m->aligner->padWidth();
    if (horizontal) {
        scene->addRect(m->originX * s, m->originY * s, head * s, m->height * s, pen);
        scene->addRect((m->originX + m->width - pad) * s, m->originY * s, pad * s, m->height * s,
                       pen);
    } else {
        scene->addRect(m->originX * s, m->originY * s, m->width * s, head * s, pen);
        scene->addRect(m->originX * s, (m->originY + m->height - pad) * s, m->width * s, pad * s,
                       pen);
    }
}

} // namespace

void Score::genMeasureFrames()
{
    const double s = page->scaleFactor;
    const bool horizontal = page->horizontal;
    int number = 0; // the displayed measure's first measure in the full list
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        Measure *m = displayedMeasures.at(i);
        if (dSw)
            addMeasureDebugBoxes(scene, m, horizontal, s);

        auto *item = new MeasureItem(this, int(m->width * s), int(m->height * s));
        item->setPos(m->originX * s, m->originY * s);
        item->setData(0, 0);
        item->setData(1, i);
        m->measureItem = item;
        scene->addItem(item);
        item->setFlags(QGraphicsItem::ItemIsSelectable);

        const Measure *previous = i > 0 ? displayedMeasures.at(i - 1) : nullptr;
        const bool lineStart = !previous || previous->stageEnd || previous->pageEnd;
        if (lineStart) {
            if (parts.size() >= 2 && page->stageBracket)
                genBracketItems(m, page->drawStageLine);
            if (page->displayMeasureNumber) {
                if (horizontal)
                    drawMeasureNumber(m->originX, m->originY, number, m->originX + m->width);
                else
                    drawMeasureNumber(m->originX + m->width, m->originY, number);
            }
        }

        const bool lineEnd = m->stageEnd || i == displayedMeasures.size() - 1;
        if (page->drawStageLine && lineEnd) {
            if (horizontal) {
                drawStageLineHorizontal(m->originY);
                drawStageLineHorizontal(m->originY + m->height);
            } else {
                drawStageLineVertical(m->originX);
                drawStageLineVertical(m->originX + m->width);
            }
        }

        if (isWhitePageBreak(m->userBreakType))
            page->addPage(true);
        else if (m->pageEnd)
            page->addPage(false);
        number += measureSpan(m);
    }
}

void Score::advancePageAfterMeasure(const Measure *measure)
{
    if (measure->pageEnd)
        page->addPage(isWhitePageBreak(measure->userBreakType));
    else if (measure->userBreakType == 3)
        page->addPage(true);
    else
        return;
    genPageNumber();
    if (page->drawStageLine)
        drawStageFrame();
    if (dSw)
        drawDebugFrames();
}

QGraphicsItem *Score::genBreakMark(int measureIndex)
{
    const Measure *m = measures.value(measureIndex);
    if (!m || cleanOutput)
        return nullptr;
    const int kind = BreakItem::kindOfBreakType(m->userBreakType);
    if (kind == 0)
        return nullptr;
    const double s = page->scaleFactor;
    const int side = int(5.0 * s);
    auto *item = new BreakItem(kind, 0, 0, side, side);
    // In the measure's far corner.
    item->setPos((m->originX + m->width - 5.0) * s, (m->originY + m->height - 5.0) * s);
    item->setData(0, kind);
    item->setData(1, measureIndex);
    scene->addItem(item);
    item->setFlags(QGraphicsItem::ItemIsSelectable);
    return item;
}

void Score::genFooterLine()
{
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    drawFooterText(tr("Produced by Velmora version %1 on %2.").arg(programVersion, date));
}

void Score::drawClosingFrames()
{
    if (page->drawStageLine && page->gridOutline)
        drawGridOutline();
    if (!cleanOutput)
        drawDoublePageFrames();
}
