// Where the scene's tagged items stand, to tell which items an edit moved.
#pragma once

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

class QGraphicsItem;
class Score;

namespace TestSupport {

// The item's tags joined into one key: items of one key are one element's.
QString tagKey(const QGraphicsItem *item);

// Reading order of two scene points: top to bottom, then left to right.
bool inReadingOrder(const QPointF &a, const QPointF &b);

// Every tagged item's scene position by its key, each list in reading
// order (top to bottom, then left to right).
QMap<QString, QList<QPointF>> taggedPlaces(const Score &score);

} // namespace TestSupport
