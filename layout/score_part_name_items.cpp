// Score's part labels: a part's full name or abbreviation beside the start
// of a line.
#include "drawing/mytextitem.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QFont>
#include <QFontMetricsF>

int Score::genPartNameItem(double x, double y, int part, bool full)
{
    const Part *settings = parts.at(part);
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    QString text = full ? settings->partName : settings->partAbbreviation;
    // A leading "." asks for the name written character below character.
    const bool dotted = text.startsWith(QLatin1Char('.'));
    if (dotted)
        text.remove(0, 1);
    const bool upright = dotted && full && !horizontal;
    if (upright)
        text = toVerticalPunctuation(text);
    auto *item = new MyTextItem(text, upright);
    QFont font = style->defaultFont;
    font.setPixelSize(std::max(1, int((full ? 0.8 : 0.64) * settings->noteFontSize * s)));
    item->setFont(font);
    // The name's extent on one line, also for a name written downwards:
    // the offsets below are in units of one character's height.
    const QRectF bounds = QFontMetricsF(font).boundingRect(text);
    const double w = bounds.width();
    const double h = bounds.height();

    if (!horizontal) {
        if (!full) {
            item->setPos(x * s - w / 2, y * s - h - 10.0);
        } else {
            const double top = (y + 2.0) * s;
            if (dotted) {
                item->setPos(x * s - 0.4 * h, top);
            } else {
                item->setPos(x * s + 0.7 * h, top);
                item->setRotation(90.0);
            }
        }
    } else {
        const double top = y * s - 0.7 * h;
        if (full)
            item->setPos((x + 2.0) * s, top);
        else
            item->setPos((x - 1.8) * s - w, top);
    }
    scene->addItem(item);
    return 1;
}
