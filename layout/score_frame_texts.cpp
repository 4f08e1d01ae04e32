// Score's texts of the page frame: the measure number at the start of a
// line, the footer line and the page number label.
#include "drawing/linetags.h"
#include "drawing/measureitem.h"
#include "drawing/mytextitem.h"
#include "drawing/sheettexttags.h"
#include "drawing/watcheritem.h"
#include "layout/pickupmeasure.h"
#include "model/itemtags.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QDebug>
#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>

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

int Score::drawMeasureNumber(double x, double y, int measureIndex, double lineStartEnd)
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
    item->setData(SheetTextTags::TagSheetText, SheetTextTags::MeasureNumber);
    const int w = QFontMetrics(font).boundingRect(text).width();

    QPointF position;
    if (page->horizontal) {
        const double gap = page->stageBracket ? m : 0.8 * m;
        position = QPointF((x - gap) * s - w, (y - 0.3 * m) * s);
        // Before the line and beside its top corner, as long as that is
        // clear of the stage's frame and inside the printer's margin. Where
        // the margin is too narrow (at the usual margins, always so for a
        // line that starts at the frame) it goes into the line's corner,
        // under the top line, over the head of the first measure; the
        // notes drawn later may move it on (keepMeasureNumbersClear). In
        // the first line, after the part names, it only steps down under
        // the top line.
        const double stageLeft = (page->pageOriginX + page->stageRect.x()) * s;
        const double printableLeft = (page->pageOriginX + sheetMargin) * s;
        const double clearance = frameClearance * s;
        const bool intoLine = position.x() < printableLeft;
        if (intoLine)
            position.setX(std::max(x * s, stageLeft) + clearance);
        if (page->drawStageLine && position.x() + w > stageLeft - clearance)
            position.setX(std::max(position.x(), stageLeft + clearance));
        if (position.x() >= std::min(x * s, stageLeft))
            position.setY((y + frameClearance) * s);
        const double slideEnd =
            intoLine && lineStartEnd > x ? (lineStartEnd - frameClearance) * s - w : position.x();
        item->setData(SheetTextTags::TagSlideEnd, std::max(slideEnd, position.x()));
        if (intoLine) {
            const bool bracket = parts.size() >= 2 && page->stageBracket;
            const double marginEnd = stageLeft - (bracket ? bracketRise : frameClearance) * s;
            item->setData(SheetTextTags::TagMarginRoom, QPointF(printableLeft, marginEnd));
        }
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
    measureNumberItems.append(item);
    return 1;
}

namespace {

// Ink drawn since the frame that a measure number set into a line must
// not cover: notes and their marks, texts and glyphs. The frame, stage
// and bar lines and the boxes of the measures are not: the number's place
// keeps clear of those by itself.
bool coversInk(const QGraphicsItem *item)
{
    if (!item->isVisible())
        return false;
    // What stands for a note, a mark or a text of the model, as a whole
    // (a group's box is that of all its pieces), and the lines drawn along
    // the notes.
    if (item->data(TagType).toInt() != 0 || item->data(LineTags::TagLine).toInt() != 0)
        return true;
    if (!item->childItems().isEmpty() || dynamic_cast<const MeasureItem *>(item) ||
        dynamic_cast<const WatcherItem *>(item) || dynamic_cast<const QGraphicsRectItem *>(item) ||
        dynamic_cast<const QGraphicsLineItem *>(item))
        return false;
    return true;
}

bool liesOnInk(const QGraphicsScene *scene, const QGraphicsItem *number, double tolerance)
{
    const QRectF box = number->sceneBoundingRect().adjusted(tolerance, tolerance, -tolerance,
                                                            -tolerance);
    const QList<QGraphicsItem *> found = scene->items(box, Qt::IntersectsItemBoundingRect);
    for (const QGraphicsItem *other : found) {
        if (other != number && coversInk(other) && other->sceneBoundingRect().intersects(box))
            return true;
    }
    return false;
}

// Walks the number along the line from where it stands to `slideEnd`
// (scene x), stopping at the first place clear of ink.
bool slideClear(const QGraphicsScene *scene, QGraphicsItem *number, double slideEnd, double step,
                double tolerance)
{
    const QPointF start = number->pos();
    for (double x = start.x(); x <= slideEnd + 1e-6; x += step) {
        number->setPos(x, start.y());
        if (!liesOnInk(scene, number, tolerance))
            return true;
    }
    number->setPos(start);
    return false;
}

// Sets the number right-aligned in `room` (scene x from, to), beside the
// top corner (at `lineTop`) of its line, as large as it fits down to half
// its size.
// False, and the number as it was, where even that does not fit.
bool fitIntoMargin(MyTextItem *number, QPointF room, double lineTop)
{
    const double width = room.y() - room.x();
    const double full = number->boundingRect().width();
    if (width <= 0.0 || full <= 0.0 || width < 0.5 * full)
        return false;
    QFont font = number->font;
    const int pixelSize = font.pixelSize();
    if (width < full) {
        font.setPixelSize(std::max(1, int(pixelSize * width / full)));
        number->setFont(font);
    }
    number->setPos(room.y() - number->boundingRect().width(), lineTop - 0.3 * pixelSize);
    return true;
}

} // namespace

void Score::keepMeasureNumbersClear()
{
    const double s = page->scaleFactor;
    const double step = 0.5 * s;
    const double tolerance = 0.2 * s;
    for (QGraphicsItem *item : std::as_const(measureNumberItems)) {
        auto *number = static_cast<MyTextItem *>(item);
        const QVariant end = number->data(SheetTextTags::TagSlideEnd);
        if (!end.isValid() || !liesOnInk(scene, number, tolerance))
            continue;
        // In its corner, three quarters of its size (its top where it
        // was); else on along the line, at its size, then smaller. Where
        // nothing is clear it stays in the corner, at its size.
        const QFont full = number->font;
        QFont smaller = full;
        smaller.setPixelSize(std::max(1, full.pixelSize() * 3 / 4));
        const double fullWidth = number->boundingRect().width();
        number->setFont(smaller);
        if (!liesOnInk(scene, number, tolerance))
            continue;
        number->setFont(full);
        if (slideClear(scene, number, end.toDouble(), step, tolerance))
            continue;
        number->setFont(smaller);
        const double slideEnd = end.toDouble() + fullWidth - number->boundingRect().width();
        if (slideClear(scene, number, slideEnd, step, tolerance))
            continue;
        number->setFont(full);
        const double lineTop = number->pos().y() - frameClearance * s;
        if (!fitIntoMargin(number, number->data(SheetTextTags::TagMarginRoom).toPointF(), lineTop))
            qInfo().noquote() << "Measure number" << number->text
                              << "finds no clear place at the start of its line";
    }
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
