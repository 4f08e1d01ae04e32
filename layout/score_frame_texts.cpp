// Score's texts of the page frame: the measure number at the start of a
// line, the footer line and the page number label.
#include "drawing/mytextitem.h"
#include "layout/pickupmeasure.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// What a printer cannot print along every sheet edge, mm.
constexpr double sheetMargin = 5.0;
// How far the stage bracket reaches above a vertical column, and the gap
// a text keeps from the frame where there is no bracket, mm.
constexpr double bracketRise = 2.0;
constexpr double frameClearance = 0.5;

} // namespace

QPointF Score::keptOffSheetEdge(QPointF position) const
{
    // Only the left and upper edges: the texts placed here stand before
    // and above the stage.
    const double s = page->scaleFactor;
    position.setX(std::max(position.x(), (page->pageOriginX + sheetMargin) * s));
    position.setY(std::max(position.y(), printableTop()));
    return position;
}

double Score::printableTop() const
{
    return (page->pageOriginY + sheetMargin) * page->scaleFactor;
}

double Score::lowestFootAboveColumn(double columnTop) const
{
    // The stage bracket rises above the columns of a score of several
    // parts; elsewhere the frame's line is what a text must clear.
    const bool bracket = parts.size() >= 2 && page->stageBracket;
    return (columnTop - (bracket ? bracketRise : frameClearance)) * page->scaleFactor;
}

int Score::drawMeasureNumber(double x, double y, int measureIndex)
{
    const double s = page->scaleFactor;
    // A pickup counts as measure 0, which is not printed.
    const int number = PickupMeasure::shownNumber(measures, measureIndex);
    if (number < 1)
        return 1;
    const QString text = QString::number(number);
    const int m = std::min(int(maxNoteSize), 3);
    const int pixelSize = int(s * m);
    // A font of no size shows nothing (and the toolkit would silently keep
    // its old size), so tiny note sizes get no numbers.
    if (pixelSize < 1)
        return 1;
    QFont font = style->defaultFont;
    font.setItalic(true);
    font.setWeight(QFont::Bold);
    font.setPixelSize(pixelSize);
    auto *item = new MyTextItem(text, false);
    item->setFont(font);
    const int w = QFontMetrics(font).boundingRect(text).width();

    QPointF position;
    if (page->horizontal) {
        const double gap = page->stageBracket ? m : 0.8 * m;
        position = QPointF((x - gap) * s - w, (y - 0.3 * m) * s);
    } else {
        const double rise = page->stageBracket ? 2.0 * m : 1.5 * m;
        position = QPointF((x - m) * s, (y - rise) * s);
        // Moved out of the printer's margin, it may leave less room above
        // the column than its height: then it is drawn smaller, down to
        // half its size, rather than reach into the bracket or the stage.
        const double height = item->boundingRect().height();
        const double room = lowestFootAboveColumn(y) - printableTop();
        if (position.y() < printableTop() && height > room && height > 0.0) {
            const double scale = std::max(0.5, room / height);
            font.setPixelSize(std::max(1, int(pixelSize * scale)));
            item->setFont(font);
        }
    }
    item->setPos(keptOffSheetEdge(position));
    scene->addItem(item);
    return 1;
}

int Score::drawFooterText(const QString &text)
{
    const double s = page->scaleFactor;
    QFont font = style->defaultFont;
    font.setPixelSize(int(2.4 * s));
    auto *item = new MyTextItem(text, false);
    item->setFont(font);
    // Its foot keeps the printer's margin from the sheet's lower edge.
    const double height = item->boundingRect().height();
    item->setPos((page->pageOriginX + page->stageRect.x()) * s,
                 (page->pageHeight - sheetMargin) * s - height);
    scene->addItem(item);
    return 1;
}

int Score::genPageNumber()
{
    if (!page->displayPageNumber)
        return 1;
    int number = page->pageNumber;
    if (page->insertCoverPage) {
        const bool doubleSheet =
            page->paperSize >= PaperA3DoubleA4 && page->paperSize <= PaperJisB4DoubleJisB5;
        number -= doubleSheet ? 2 : 1;
    }
    QString text = QStringLiteral("( ") + QString::number(number) + QStringLiteral(" )");
    if (!page->pageText.isEmpty())
        text = page->pageText + QStringLiteral("  ") + text;

    const double k = page->scaleFactor;
    QFont font = style->defaultFont;
    font.setPixelSize(int(4.0 * k));
    auto *item = new MyTextItem(text, false);
    item->setFont(font);
    item->setCacheMode(QGraphicsItem::NoCache);

    const QRectF stage = page->stageRect;
    const QRectF bounds = item->boundingRect();
    double centre = stage.x() + page->pageOriginX + stage.width() / 2.0;
    if (page->titleFirstPageTop && page->currentPage == page->coverPageCount && !page->horizontal)
        centre = (page->headerAreaWidth + stage.width() + page->headerBottomPad) / 2.0 +
                 page->pageOriginX + stage.x();
    // Pages of a roll lie one below another: each label goes below its own
    // page's stage.
    const double top = page->pageOriginY + stage.y() + stage.height();
    // Below the stage, but never into the printer's margin of the sheet.
    const double lowest =
        (page->pageOriginY + page->pageHeight - sheetMargin) * k - bounds.height();
    item->setPos(centre * k - bounds.width() / 2.0,
                 std::min((top + 0.1 * bounds.height()) * k, lowest));
    scene->addItem(item);
    return 1;
}
