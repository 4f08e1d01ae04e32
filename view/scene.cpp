#include "view/scene.h"

#include "model/page.h"
#include "model/score.h"

Scene::Scene(Page *page, Score *parent) : QGraphicsScene(parent), page(page)
{
    updateSceneRect();
}

void Scene::updateSceneRect()
{
    const double s = page->scaleFactor;
    const QRectF area = page->scoreRect;
    setSceneRect(area.x() * s - horizontalMargin, area.y() * s - verticalMargin,
                 area.width() * s + 2.0 * horizontalMargin,
                 area.height() * s + 2.0 * verticalMargin);
}
