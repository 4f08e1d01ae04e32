#include "view/scene.h"

#include "model/page.h"
#include "model/score.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTransform>

#include <algorithm>
#include <vector>

Scene::Scene(Page *page, Score *parent) : QGraphicsScene(parent), page(page)
{
    // The toolkit sizes its index by the item count: the 80,000 items of a
    // long score got 2^17 cells, each a list of the items over it, some 25 MB
    // filled at the first query (the first page exported) and a third of
    // the export's time. 2^12 cells still hold a page in a few cells.
    setBspTreeDepth(indexDepth);
    updateSceneRect();
}

Scene::~Scene()
{
    clearItems();
}

void Scene::clearItems()
{
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    clear();
}

void Scene::updateSceneRect()
{
    const double s = page->scaleFactor;
    const QRectF area = page->scoreRect;
    setSceneRect(area.x() * s - horizontalMargin, area.y() * s - verticalMargin,
                 area.width() * s + 2.0 * horizontalMargin,
                 area.height() * s + 2.0 * verticalMargin);
}

void Scene::renderSheet(QPainter *painter, const QRectF &target, const QRectF &source,
                        const QList<QGraphicsItem *> &topLevelItems)
{
    const double ratio =
        std::min(target.width() / source.width(), target.height() / source.height());
    painter->save();
    painter->setClipRect(target, Qt::IntersectClip);
    const QTransform toTarget = QTransform()
                                    .translate(target.left(), target.top())
                                    .scale(ratio, ratio)
                                    .translate(-source.left(), -source.top());
    painter->setWorldTransform(toTarget, true);
    // The items draw themselves from their own options; the array only
    // has to be there.
    std::vector<QGraphicsItem *> items(topLevelItems.cbegin(), topLevelItems.cend());
    std::vector<QStyleOptionGraphicsItem> options(items.size());
    drawBackground(painter, source);
    drawItems(painter, int(items.size()), items.data(), options.data());
    drawForeground(painter, source);
    painter->restore();
}

void Scene::setGuideLine(const QLineF &line)
{
    guideLine = line;
    guideLineOn = true;
    update();
}

void Scene::clearGuideLine()
{
    guideLineOn = false;
    update();
}

void Scene::drawBackground(QPainter *painter, const QRectF &)
{
    if (!page->screenDecorations)
        return;
    painter->setPen(QPen(Qt::black));
    painter->setBrush(QBrush(QColor(155, 150, 135)));
    painter->drawRect(QRectF(-20000.0, -10000.0, 200000.0, 200000.0));

    painter->setBrush(QBrush(Qt::white));
    const double s = page->scaleFactor;
    const double w = page->pageWidth * s;
    const double h = page->pageHeight * s;
    for (int i = 0; i < page->pageCount; ++i) {
        if (!page->horizontal)
            painter->drawRect(QRectF(-i * w, 0.0, w, h));
        else if (page->roll)
            painter->drawRect(QRectF(0.0, i * h, w, h));
        else
            painter->drawRect(QRectF(i * w, 0.0, w, h));
    }
}

void Scene::drawForeground(QPainter *painter, const QRectF &)
{
    painter->setPen(QPen(QColor(255, 0, 50, 125)));
    if (guideLineOn)
        painter->drawLine(guideLine);
}
