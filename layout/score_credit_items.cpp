// Score's credit texts: title, subtitle, composer and the other credits as
// movable text items in the header area of the first score page, and the
// frame of that area.
#include "drawing/mytextitem.h"
#include "drawing/watcheritem.h"
#include "model/credit.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QPen>

namespace {

// Point size of a credit without a font of its own: the title largest,
// subtitle and composer next, every later credit smaller.
int defaultCreditPointSize(int index)
{
    if (index == 0)
        return 36;
    if (index <= 2)
        return 24;
    return 18;
}

// Where an unmoved credit stands (scene units): the title centred, the
// others around the header's edges; credit 5 and later share one corner.
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

} // namespace

int Score::genCreditItems()
{
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    // The header stands on the first score page, behind any cover page.
    const int cursor = page->currentPage;
    page->setCurrentPage(page->coverPageCount);
    const QRectF header = page->headerAreaRect; // already placed on its page (mm)

    for (int i = 0; i < credits.size(); ++i) {
        Credit *credit = credits.at(i);
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
            font.setPointSize(defaultCreditPointSize(i));
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

        // The text's extent on one line, as if it were written across.
        const QRect bounds = QFontMetrics(font).boundingRect(text);
        const double w = bounds.right() - bounds.left() + 1;
        const double h = bounds.bottom() - bounds.top() + 1;
        if (credit->moved) {
            // Millimetres from the header's starting corner.
            if (horizontal)
                item->setPos((header.x() + credit->x) * s, (header.y() + credit->y) * s);
            else
                item->setPos((header.x() + header.width() - credit->y) * s,
                             (header.y() + credit->x) * s);
        } else {
            item->setPos(creditPosition(i, horizontal, header, s, w, h, dotted));
        }

        item->setFlag(QGraphicsItem::ItemIsMovable);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        credit->item = item;
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
