// Score's credit texts: title, subtitle, composer and the other credits as
// movable text items in the header area of the first score page, stacked
// apart where they would overlap, and the frame of that area.
#include "drawing/mytextitem.h"
#include "drawing/watcheritem.h"
#include "layout/creditplaces.h"
#include "model/credit.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QCursor>
#include <QDebug>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QPen>

#include <algorithm>

namespace {

// Point size of a credit without a font of its own, by its place (see
// CreditPlaces): the title largest, subtitle and composer next, the others
// smaller.
int defaultCreditPointSize(int place)
{
    if (place == 0)
        return 36;
    if (place <= 2)
        return 24;
    return 18;
}

// Where an unmoved credit of place `index` stands (scene units): the title
// centred, the others around the header's edges; place 5 is one corner.
QPointF creditPosition(int index, bool horizontal, const QRectF &header, double s, double w,
                       double h, bool dotted)
{
    const double x0 = header.x();
    const double y0 = header.y();
    const double hw = header.width();
    const double hh = header.height();
    const double cx = x0 + hw / 2;
    const double cy = y0 + hh / 2;
    if (horizontal) {
        switch (index) {
        case 0:
            return {cx * s - w / 2, cy * s - h};
        case 1:
            return {cx * s - w / 2, cy * s + 0.2 * h};
        case 2:
            return {(x0 + hw) * s - w - 15, cy * s - h};
        case 3:
            return {x0 * s + 15, (y0 + hh) * s - h - 15};
        case 4:
            return {(x0 + hw) * s - w - 15, (y0 + hh) * s - h - 15};
        default:
            return {x0 * s + 15, y0 * s + 15};
        }
    }
    // A rotated text reaches back across by its height from its origin.
    const double o = dotted ? 0.0 : h;
    switch (index) {
    case 0:
        return {cx * s + o, cy * s - w / 2};
    case 1:
        return {cx * s - 1.2 * h + o, cy * s - w / 2};
    case 2:
        return {cx * s + o, (y0 + hh) * s - w - 15};
    case 3:
        return {x0 * s + 15 + o, y0 * s + 15};
    case 4:
        return {x0 * s + 15 + o, (y0 + hh) * s - w - 15};
    default:
        return {(x0 + hw) * s - h - 15 + o, y0 * s + 15};
    }
}

// Room kept between credits that were stacked apart, and the most the
// first page's header may grow: half the sheet across the reading
// direction, so that some music always follows.
constexpr double creditGap = 1.0; // mm
constexpr double largestGrowthShare = 0.5;

// The text's extent as the placement measures it: the widest line and
// the lines' height, as if it were written across.
QSizeF creditExtent(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    double w = 0.0;
    for (const QString &line : lines) {
        const QRect bounds = metrics.boundingRect(line);
        w = std::max(w, double(bounds.right() - bounds.left() + 1));
    }
    const QRect first = metrics.boundingRect(lines.first());
    const double h = first.bottom() - first.top() + 1 + metrics.lineSpacing() * (lines.size() - 1);
    return QSizeF(w, h);
}

} // namespace

MyTextItem *Score::makeCreditItem(int index, int place) const
{
    const Credit *credit = credits.at(index);
    const bool horizontal = page->horizontal;
    QString text = credit->text;
    const bool dotted = text.startsWith(QLatin1Char('.'));
    const int direction = credit->rotation;
    if (direction == 3 || (direction == 0 && !horizontal && dotted))
        text = toVerticalPunctuation(text);
    if (dotted)
        text.remove(0, 1);

    auto *item = new MyTextItem(text, dotted && !horizontal);
    QFont font = credit->font;
    if (!credit->fontGiven)
        font.setPointSize(defaultCreditPointSize(place));
    item->setFont(font);

    switch (direction) {
    case 1:
        item->setVertical(false);
        break;
    case 2:
        item->setVertical(false);
        item->setRotation(90.0);
        break;
    case 3:
        item->setVertical(true);
        break;
    default:
        if (horizontal)
            item->setVertical(false);
        else if (dotted)
            item->setVertical(true);
        else
            item->setRotation(90.0);
        break;
    }
    // Line breaks only hold in a text written across.
    if (item->vertical)
        item->text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return item;
}

double Score::placeCreditItems(const QList<MyTextItem *> &items, const QList<int> &places,
                               const QRectF &header) const
{
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    // Every credit is placed first where it stands unmoved, so a credit
    // placed by hand keeps the room it had: the header keeps its size and
    // the other credits their places.
    QList<QRectF> placed;
    const QRectF box(header.x() * s, header.y() * s, header.width() * s, header.height() * s);
    const double gap = creditGap * s;
    // The frame line is drawn on the header's edge: texts keep a gap to it.
    const QRectF inner = box.adjusted(gap, gap, -gap, -gap);
    double reach = horizontal ? inner.bottom() : inner.left(); // how far the credits go
    const double sheet = (horizontal ? page->pageHeight : page->pageWidth) * s;
    const double farthest = horizontal ? inner.bottom() + largestGrowthShare * sheet
                                       : inner.left() - largestGrowthShare * sheet;
    for (int i = 0; i < items.size(); ++i) {
        MyTextItem *item = items.at(i);
        const bool dotted = credits.at(i)->text.startsWith(QLatin1Char('.'));
        const QSizeF e = creditExtent(item->font, item->text);
        item->setPos(
            creditPosition(places.at(i), horizontal, header, s, e.width(), e.height(), dotted));

        // A credit longer than the header is drawn smaller to fit it.
        QRectF r = item->sceneBoundingRect();
        const double length = horizontal ? r.width() : r.height();
        const double room = horizontal ? inner.width() : inner.height();
        if (length > room && length > 0.0) {
            item->setScale(room / length);
            r = item->sceneBoundingRect();
        }
        // Along the header: inside its ends.
        QPointF shift;
        if (horizontal)
            shift.setX(std::clamp(r.left(), inner.left(),
                                  std::max(inner.left(), inner.right() - r.width())) -
                       r.left());
        else
            shift.setY(std::clamp(r.top(), inner.top(),
                                  std::max(inner.top(), inner.bottom() - r.height())) -
                       r.top());
        // Across: not before the header's start, then stacked past every
        // credit it would overlap, away from the header's start.
        if (horizontal)
            shift.setY(std::max(0.0, inner.top() - r.top()));
        else
            shift.setX(std::min(0.0, inner.right() - r.right()));
        r.translate(shift);
        for (int pass = 0; pass <= placed.size(); ++pass) {
            bool moved = false;
            for (const QRectF &other : std::as_const(placed)) {
                if (!r.intersects(other.adjusted(-gap, -gap, gap, gap)))
                    continue;
                const double step =
                    horizontal ? other.bottom() + gap - r.top() : other.left() - gap - r.right();
                r.translate(horizontal ? QPointF(0.0, step) : QPointF(step, 0.0));
                shift += horizontal ? QPointF(0.0, step) : QPointF(step, 0.0);
                moved = true;
            }
            if (!moved)
                break;
        }
        // Past the most the header may grow it would stand on the music
        // or off the sheet: left out.
        if (!credits.at(i)->moved && (horizontal ? r.bottom() > farthest : r.left() < farthest)) {
            item->setVisible(false);
            continue;
        }
        item->setPos(item->pos() + shift);
        placed << r;
        reach = horizontal ? std::max(reach, r.bottom()) : std::min(reach, r.left());
    }

    // Moved credits stand where the user put them: millimetres from the
    // header's starting corner.
    for (int i = 0; i < items.size(); ++i) {
        const Credit *credit = credits.at(i);
        if (!credit->moved)
            continue;
        if (horizontal)
            items.at(i)->setPos((header.x() + credit->x) * s, (header.y() + credit->y) * s);
        else
            items.at(i)->setPos((header.x() + header.width() - credit->y) * s,
                                (header.y() + credit->x) * s);
    }
    const double growth = (horizontal ? reach - inner.bottom() : inner.left() - reach) / s;
    return std::clamp(growth, 0.0, largestGrowthShare * sheet / s);
}

double Score::creditHeaderGrowth()
{
    page->headerGrowth = 0.0;
    if (!page->titleFirstPageTop || credits.isEmpty())
        return 0.0;
    const int cursor = page->currentPage;
    page->setCurrentPage(page->coverPageCount);
    const QList<int> places = CreditPlaces::places(credits);
    QList<MyTextItem *> items;
    for (int i = 0; i < credits.size(); ++i)
        items << makeCreditItem(i, places.at(i));
    page->headerGrowth = placeCreditItems(items, places, page->headerAreaRect);
    qDeleteAll(items);
    page->setCurrentPage(cursor);
    return page->headerGrowth;
}

int Score::genCreditItems()
{
    const double s = page->scaleFactor;
    // The header stands on the first score page, behind any cover page.
    const int cursor = page->currentPage;
    page->setCurrentPage(page->coverPageCount);
    const QRectF header = page->headerAreaRect; // already placed on its page (mm)

    const QList<int> places = CreditPlaces::places(credits);
    QList<MyTextItem *> items;
    for (int i = 0; i < credits.size(); ++i)
        items << makeCreditItem(i, places.at(i));
    // The header has grown already where the credits need it; they stand
    // where they stood in the header before it grew, so they fit.
    const double growth = page->titleFirstPageTop ? page->headerGrowth : 0.0;
    const QRectF before = page->horizontal ? header.adjusted(0.0, 0.0, 0.0, -growth)
                                           : header.adjusted(growth, 0.0, 0.0, 0.0);
    placeCreditItems(items, places, before);
    const auto leftOut =
        std::count_if(items.cbegin(), items.cend(), [](const MyTextItem *item) {
            return !item->isVisible();
        });
    if (leftOut > 0)
        qDebug().noquote() << "credits:" << leftOut << "of" << items.size()
                           << "left out, no room for them in the header";

    for (int i = 0; i < items.size(); ++i) {
        MyTextItem *item = items.at(i);
        item->setFlag(QGraphicsItem::ItemIsMovable);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        credits.at(i)->item = item;
        setCreditItemTag(item, i);
        item->setAcceptHoverEvents(true);
        item->setCursor(Qt::ArrowCursor);
        scene->addItem(item);
        if (watcher)
            item->installSceneEventFilter(watcher);
    }

    if (page->titleFirstPageTop && page->drawHeaderAreaRectangle) {
        QPen pen(QColor(100, 100, 100));
        pen.setWidth(int(page->headerAreaRectangleLineWidth * s));
        scene->addRect(header.x() * s, header.y() * s, header.width() * s, header.height() * s,
                       pen);
    }
    page->setCurrentPage(cursor);
    return 1;
}
