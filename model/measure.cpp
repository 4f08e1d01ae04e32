#include "model/measure.h"

#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QStringList>
#include <initializer_list>

namespace {

// One access-error line: the text, then the values, single spaces apart.
void logAccessError(const QString &text, std::initializer_list<int> values)
{
    QString line = text;
    for (int value : values) {
        if (!line.endsWith(QLatin1Char(' ')))
            line += QLatin1Char(' ');
        line += QString::number(value);
    }
    qDebug().noquote() << line;
}

// Horizontal and vertical scale of the item's scene transform (1 without one).
double scaleX(const AlignItem *item)
{
    return item->graphicsItem ? item->graphicsItem->transform().m11() : 1.0;
}

double scaleY(const AlignItem *item)
{
    return item->graphicsItem ? item->graphicsItem->transform().m22() : 1.0;
}

} // namespace

Measure::Measure(Score *score, QObject *parent) : QObject(parent), score(score)
{
    layouter = new Layouter(score, this);
}

Measure::~Measure()
{
    qDeleteAll(parts);
    delete aligner;
    delete layouter;
}

namespace {

// The index of `measure` in `list`: `remembered` when it still holds there,
// else found by a search and remembered.
int rememberedIndex(const QList<Measure *> &list, const Measure *measure, int &remembered)
{
    if (remembered < 0 || remembered >= list.size() || list.at(remembered) != measure)
        remembered = int(list.indexOf(const_cast<Measure *>(measure)));
    return remembered;
}

} // namespace

int Measure::indexInScore() const
{
    return score ? rememberedIndex(score->measures, this, cachedIndex) : -1;
}

int Measure::indexInDisplayed() const
{
    return score ? rememberedIndex(score->displayedMeasures, this, cachedDisplayedIndex) : -1;
}

bool Measure::horizontal() const
{
    return score && score->page && score->page->horizontal;
}

AlignItem *Measure::itemAt(int part, int voice, int item) const
{
    if (part < 0 || part >= parts.size() || voice < 0 || voice >= MePart::voiceCount)
        return nullptr;
    const QList<AlignItem *> &items = parts.at(part)->voices.at(voice)->alignItems;
    if (item < 0 || item >= items.size())
        return nullptr;
    return items.at(item);
}

double Measure::finalAlong(const AlignItem *item) const
{
    return horizontal() ? item->finalX + item->refOffsetX * scaleX(item)
                        : item->finalY + item->refOffsetY * scaleY(item);
}

double Measure::getStartLocation(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    return it ? it->fittedPosition : 0.0;
}

double Measure::getItemCenterLocation(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    return it ? it->fittedPosition + 0.5 * it->length : 0.0;
}

QPointF Measure::getItemRefOffset(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    return it ? QPointF(it->refOffsetX, it->refOffsetY) : QPointF();
}

AlignItem *Measure::setItemRefOffset(int part, int voice, int item, double x, double y)
{
    AlignItem *it = itemAt(part, voice, item);
    if (it) {
        it->refOffsetX = x;
        it->refOffsetY = y;
    }
    return it;
}

double Measure::getItemFinalRefPos(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    return it ? finalAlong(it) : 0.0;
}

double Measure::getItemCenter(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it)
        return 0.0;
    return 0.5 * it->length + (horizontal() ? it->finalX : it->finalY);
}

QSizeF Measure::getItemSize(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it)
        return QSizeF();
    return horizontal() ? QSizeF(it->length, it->breadth) : QSizeF(it->breadth, it->length);
}

QGraphicsItem *Measure::getItemGraphicsItem(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    return it ? it->graphicsItem : nullptr;
}

int Measure::getItemCount(int part, int voice) const
{
    if (part < 0 || part >= parts.size() || voice < 0 || voice >= MePart::voiceCount)
        return 0;
    return int(parts.at(part)->voices.at(voice)->alignItems.size());
}

bool Measure::itemExists(int part, int voice, int item) const
{
    return item >= 0 && item < getItemCount(part, voice);
}

QRectF Measure::getGraphicsItemRect(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it) {
        logAccessError(QStringLiteral("========getGraphicsItemRect Illegal data access to non "
                                      "existant item! part, voice, itemno, length = "),
                       {part, voice, item, getItemCount(part, voice)});
        return QRectF(0, 0, 0, 0);
    }
    return it->graphicsItem ? it->graphicsItem->boundingRect() : QRectF(0, 0, 0, 0);
}

QPointF Measure::getItemFinalRefPoint(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it) {
        logAccessError(QStringLiteral("========getItemFinalRefPoint Illegal data access to non "
                                      "existant item! part, voice, itemno, length = "),
                       {part, voice, item, getItemCount(part, voice)});
        return QPointF(0, 0);
    }
    if (horizontal())
        return QPointF(finalAlong(it), it->finalY);
    return QPointF(it->finalX, finalAlong(it));
}

double Measure::getEndLocation(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it) {
        logAccessError(QStringLiteral("getEndLocation itemno ACCESS ERROR measureno, partno, "
                                      "voiceno, itemno, length() ="),
                       {indexInScore(), part, voice, item, getItemCount(part, voice)});
        return 0.0;
    }
    return it->fittedPosition + it->length;
}

double Measure::getFinalEndLocation(int part, int voice, int item) const
{
    const AlignItem *it = itemAt(part, voice, item);
    if (!it) {
        logAccessError(QStringLiteral("getEndLocation itemno ACCESS ERROR measureno, partno, "
                                      "voiceno, itemno, length() ="),
                       {indexInScore(), part, voice, item, getItemCount(part, voice)});
        return 0.0;
    }
    return finalAlong(it) + it->length;
}

QPointF Measure::getItemFinalPosFrame(int part, int voice, int item) const
{
    // A multi-measure rest has no note glyphs of its own; attachments hang
    // from its origin.
    if (multiRestCount > 1)
        return QPointF(originX, originY);
    const AlignItem *it = itemAt(part, voice, item);
    if (!it) {
        logAccessError(QStringLiteral("========getItemFinalPosFrame Illegal data access to non "
                                      "existant item! measure, part, voice, itemno, length = "),
                       {indexInScore(), part, voice, item, getItemCount(part, voice)});
        return QPointF(0, 0);
    }
    return QPointF(it->finalX, it->finalY);
}
