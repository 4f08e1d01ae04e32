#include "support/taggedplaces.h"

#include "model/itemtags.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QStringList>

#include <algorithm>

namespace TestSupport {

QString tagKey(const QGraphicsItem *item)
{
    QStringList tags;
    for (int key = TagType; key <= TagFingering; ++key)
        tags << (ItemTagStore::isWritten(item, ItemTagKey(key))
                     ? QString::number(itemTag(item, ItemTagKey(key)))
                     : QString());
    return tags.join(QLatin1Char(','));
}

bool inReadingOrder(const QPointF &a, const QPointF &b)
{
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

QMap<QString, QList<QPointF>> taggedPlaces(const Score &score)
{
    QMap<QString, QList<QPointF>> places;
    const QList<QGraphicsItem *> items = score.scene->items();
    for (const QGraphicsItem *item : items) {
        if (item->data(TagType).isValid())
            places[tagKey(item)] << item->scenePos();
    }
    for (QList<QPointF> &list : places)
        std::sort(list.begin(), list.end(), inReadingOrder);
    return places;
}

} // namespace TestSupport
