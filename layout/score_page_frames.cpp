// Score's frame lines of a generated score: the stage frame of a page, the
// stage lines along each line of music, the grid outline, the frames of
// double sheets and the debugging frames and line.
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QPen>

namespace {

constexpr double stageZ = -20.0;
constexpr double gridZ = -10.0;

QPen blackPen(int width)
{
    return QPen(QBrush(QColor(0, 0, 0)), width);
}

} // namespace

void Score::drawStageFrame()
{
    const double s = page->scaleFactor;
    const QRectF stage = page->stageRect;
    auto *rect = new QGraphicsRectItem(0.0, 0.0, stage.width() * s, stage.height() * s);
    rect->setPos((page->pageOriginX + stage.x()) * s, (page->pageOriginY + stage.y()) * s);
    rect->setPen(blackPen(int(style->stageLineWidth * s)));
    rect->setZValue(stageZ);
    scene->addItem(rect);
}

void Score::drawStageLineHorizontal(double y)
{
    const double s = page->scaleFactor;
    auto *line = new QGraphicsLineItem(0.0, 0.0, page->stageRect.width() * s, 0.0);
    line->setPos((page->pageOriginX + page->stageRect.x()) * s, y * s);
    line->setPen(blackPen(int(style->stageLineWidth * s)));
    line->setZValue(stageZ);
    scene->addItem(line);
}

void Score::drawStageLineVertical(double x)
{
    const double s = page->scaleFactor;
    auto *line = new QGraphicsLineItem(0.0, page->stageRect.height() * s, 0.0, 0.0);
    line->setPos(x * s, (page->pageOriginY + page->stageRect.y()) * s);
    line->setPen(blackPen(int(style->stageLineWidth * s)));
    line->setZValue(stageZ);
    scene->addItem(line);
}

void Score::drawGridOutline()
{
    const double s = page->scaleFactor;
    // The outline is white lines over the bar and stage lines, leaving the
    // given percentage of their width showing on each side.
    const double keep = 1.0 - 2.0 * page->gridOutlineWidth / 100.0;
    const QPen boundaryPen(QBrush(Qt::white), int(0.3 * style->measureBarLineWidth * s * keep));
    const QPen stagePen(QBrush(Qt::white), int(style->stageLineWidth * s * keep));
    auto addLine = [this](double x1, double y1, double x2, double y2, const QPen &pen) {
        QGraphicsLineItem *line = scene->addLine(x1, y1, x2, y2, pen);
        line->setZValue(gridZ);
    };

    page->resetPages();
    for (const Measure *m : std::as_const(displayedMeasures)) {
        if (m->userBreakType == 3 || m->userBreakType == 6)
            page->addPage(true);
        else if (m->pageEnd)
            page->addPage(false);
        const double x1 = m->originX * s;
        const double y1 = m->originY * s;
        const double x2 = (m->originX + m->width) * s;
        const double y2 = (m->originY + m->height) * s;
        // Measure boundaries cross the reading direction; the stage edges
        // run along it.
        const QPen &acrossPen = boundaryPen;
        const QPen &alongPen = stagePen;
        if (page->horizontal) {
            addLine(x1, y1, x1, y2, acrossPen);
            addLine(x2, y1, x2, y2, acrossPen);
            addLine(x1, y1, x2, y1, alongPen);
            addLine(x1, y2, x2, y2, alongPen);
        } else {
            addLine(x1, y1, x2, y1, acrossPen);
            addLine(x1, y2, x2, y2, acrossPen);
            addLine(x2, y1, x2, y2, alongPen);
            addLine(x1, y1, x1, y2, alongPen);
        }
    }

    const QRectF stage = page->stageRect;
    auto *rect = new QGraphicsRectItem(0.0, 0.0, stage.width() * s, stage.height() * s);
    rect->setPos((page->pageOriginX + stage.x()) * s, (page->pageOriginY + stage.y()) * s);
    rect->setPen(stagePen);
    rect->setZValue(stageZ);
    scene->addItem(rect);
}

int Score::drawDebugFrames()
{
    if (!dSw)
        return 1;
    const double s = page->scaleFactor;
    QPen red(QColor(255, 0, 0));
    red.setCosmetic(true);
    // The header area stands on the first score page (behind any cover);
    // its rectangle is already placed on that page.
    if (page->currentPage == page->coverPageCount) {
        const QRectF header = page->headerAreaRect;
        scene->addRect(header.x() * s, header.y() * s, header.width() * s, header.height() * s,
                       red);
    }
    const QRectF stage = page->stageRect;
    scene->addRect((page->pageOriginX + stage.x()) * s, (page->pageOriginY + stage.y()) * s,
                   stage.width() * s, stage.height() * s, red);
    return 1;
}

bool Score::drawDoublePageFrames()
{
    if (!isDoubleSheet(page->paperSize))
        return false;
    const double s = page->scaleFactor;
    const QPen red(QBrush(QColor(255, 0, 0)), 3);
    for (int i = 0; i < page->pageCount; ++i) {
        page->setCurrentPage(i);
        // A spread begins on an even page in horizontal writing and on an
        // odd one in vertical writing, whose pages run leftwards.
        const bool spreadStart = page->horizontal ? i % 2 == 0 : i % 2 == 1;
        if (!spreadStart)
            continue;
        scene->addRect(page->pageOriginX * s, page->pageOriginY * s, 2.0 * page->pageWidth * s,
                       page->pageHeight * s, red);
    }
    return true;
}

void Score::drawDebugLine(const QColor &color, double x1, double y1, double x2, double y2)
{
    const QPen pen(QBrush(color), 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    scene->addLine(x1, y1, x2, y2, pen);
}
