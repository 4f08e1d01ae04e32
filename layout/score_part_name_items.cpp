// Score's part labels: a part's full name or abbreviation beside the start
// of a line, and the room a stage keeps for them in front of its first
// measure.
#include "drawing/mytextitem.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

namespace {

// Gap between a label and the measure it names, and before the label.
constexpr double labelGap = 1.8;
constexpr double labelLead = 1.0;
// Scene units between a label above a column and the column.
constexpr double columnGap = 10.0;
// A label never takes more than this share of the stage length: a very
// long name is drawn smaller instead.
constexpr double largestRoomShare = 0.3;

QString labelText(const Part *part, bool full)
{
    QString text = full ? part->partName : part->partAbbreviation;
    if (text.startsWith(QLatin1Char('.')))
        text.remove(0, 1);
    return text;
}

bool uprightLabel(const Part *part, bool full, bool horizontal)
{
    const QString &text = full ? part->partName : part->partAbbreviation;
    return full && !horizontal && text.startsWith(QLatin1Char('.'));
}

} // namespace

QFont Score::partLabelFont(int part, bool full) const
{
    QFont font = style->defaultFont;
    const double factor = full ? 0.8 : 0.64;
    font.setPixelSize(std::max(1, int(factor * parts.at(part)->noteFontSize * page->scaleFactor)));
    return font;
}

double Score::partLabelLength(int part, bool full, const QFont &font) const
{
    // Measured as the item draws it: its box, not the ink.
    const Part *settings = parts.at(part);
    const QString text = labelText(settings, full);
    const bool upright = uprightLabel(settings, full, page->horizontal);
    MyTextItem probe(upright ? toVerticalPunctuation(text) : text, upright);
    probe.setFont(font);
    const QRectF box = probe.boundingRect();
    return (upright ? box.height() : box.width()) / page->scaleFactor;
}

int Score::partLabelKind(int firstDisplayed) const
{
    // Full names go with the first stage only; abbreviations stand in
    // front of the stage in horizontal writing, and above the column, in
    // the margin, in vertical writing.
    if (firstDisplayed == 0) {
        if (page->displayPartFullName)
            return 2;
        return page->displayPartAbbrName && page->horizontal ? 1 : 0;
    }
    return page->horizontal && page->displayPartAbbrName && !page->displayPartAbbrName1st ? 1 : 0;
}

double Score::largestPartLabelRoom() const
{
    const QRectF stage = page->stageRect;
    return largestRoomShare * (page->horizontal ? stage.width() : stage.height());
}

double Score::partLabelRoom(int firstDisplayed) const
{
    const int kind = partLabelKind(firstDisplayed);
    if (kind == 0)
        return 0.0;
    const bool full = kind == 2;
    // Full names keep at least 0.8 of the largest note size per character.
    double room = 0.0;
    for (int p = 0; p < parts.size(); ++p) {
        if (!parts.at(p)->partOutput || labelText(parts.at(p), full).isEmpty())
            continue;
        if (full)
            room = std::max(room, parts.at(p)->partName.size() * largestNoteSize() * 0.8);
        room =
            std::max(room, labelLead + partLabelLength(p, full, partLabelFont(p, full)) + labelGap);
    }
    return std::min(room, largestPartLabelRoom());
}

int Score::genPartNameItem(double x, double y, int part, bool full, const Measure *lineStart)
{
    const Part *settings = parts.at(part);
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const QString text = labelText(settings, full);
    const bool upright = uprightLabel(settings, full, horizontal);
    auto *item = new MyTextItem(upright ? toVerticalPunctuation(text) : text, upright);
    QFont font = partLabelFont(part, full);
    // A label longer than the room a stage may give is drawn smaller.
    const bool inFront = full || horizontal;
    const double fits = largestPartLabelRoom() - labelLead - labelGap;
    const double length = partLabelLength(part, full, font);
    if (inFront && length > fits && fits > 0.0)
        font.setPixelSize(std::max(1, int(font.pixelSize() * fits / length)));
    // Above a column, it keeps to the column and clear of the measure number.
    const double numberRoom = page->displayMeasureNumber ? std::min(int(maxNoteSize), 3) : 0;
    const double columnRoom = lineStart ? lineStart->width - numberRoom - 2 * labelLead : 0.0;
    if (!inFront && columnRoom > 0.0 && length > columnRoom)
        font.setPixelSize(std::max(1, int(font.pixelSize() * columnRoom / length)));
    // The name's extent on one line, also for a name written downwards:
    // the offsets below are in units of one character's height.
    QRectF bounds = QFontMetricsF(font).boundingRect(text);
    if (!inFront && y * s - bounds.height() - columnGap < printableTop()) {
        // Above a column and moved out of the printer's margin, it may
        // leave less room than its height: then it is drawn smaller, down
        // to half its size, rather than reach into the bracket or stage.
        const double room = lowestFootAboveColumn(y) - printableTop();
        if (room > 0.0 && bounds.height() > room) {
            const double scale = std::max(0.5, room / bounds.height());
            font.setPixelSize(std::max(1, int(font.pixelSize() * scale)));
            bounds = QFontMetricsF(font).boundingRect(text);
        }
    }
    item->setFont(font);
    const double w = bounds.width();
    const double h = bounds.height();
    const double along = partLabelLength(part, full, font) * s;

    if (!horizontal) {
        if (!full) {
            // Centred over the column, but clear of the measure number at
            // the column's right end.
            double left = x * s - w / 2;
            if (lineStart) {
                const double numberStart = (lineStart->originX + lineStart->width - numberRoom) * s;
                left = std::min(left, numberStart - labelLead * s - w);
            }
            item->setPos(keptOffSheetEdge(QPointF(left, y * s - h - columnGap)));
        } else {
            // Down the room in front of the first measure.
            const double top = y * s - labelGap * s - along;
            if (upright) {
                item->setPos(keptOffSheetEdge(QPointF(x * s - 0.4 * h, top)));
            } else {
                item->setPos(x * s + 0.7 * h, top);
                item->setRotation(90.0);
            }
        }
    } else {
        // Right-aligned in the room in front of the line's first measure.
        item->setPos(keptOffSheetEdge(QPointF((x - labelGap) * s - along, y * s - 0.7 * h)));
    }
    scene->addItem(item);
    return 1;
}
