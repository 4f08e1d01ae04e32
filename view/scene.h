// The graphics scene of one score: every item of every page lives here.
// The score's view and its navigator both show it.
//
// Child of its Score; keeps the score's current Page (not owned). Scene
// coordinates are millimetres times Page::scaleFactor. Behind the items it
// paints the desk and the white pages (not while an export renders), in
// front of them the guide line of a drag in progress.
#pragma once

#include <QGraphicsScene>
#include <QLineF>
#include <QList>
#include <QRectF>

class Page;
class QGraphicsItem;
class QPainter;
class Score;

class Scene : public QGraphicsScene
{
    Q_OBJECT

public:
    Scene(Page *page, Score *parent);
    ~Scene() override;

    // Deletes every item, in time linear in their number. The toolkit
    // polishes new items later, from the event loop, and until then removes
    // each deleted item from its waiting list by a linear search: clearing
    // n items that no event loop has seen (an export regenerates twice in
    // a row; the render tool has no event loop) would take n * n steps. The
    // scene's own queued work is done first, and nothing else of the queue.
    void clearItems();

    // Scene rectangle = the page's score area in scene units, widened by
    // the margins on every side.
    void updateSceneRect();

    // Renders `source` (scene units) into `target` (the painter's units) as
    // render() does with Qt::KeepAspectRatio: the same background, items
    // and foreground, the same painter calls. It draws `topLevelItems`
    // (lowest first, with all their descendants; view/sheetitems.h finds
    // them for many sheets at once) instead of looking each sheet's items
    // up in the scene's index.
    void renderSheet(QPainter *painter, const QRectF &target, const QRectF &source,
                     const QList<QGraphicsItem *> &topLevelItems);

    // The guide line (scene units) from a dragged item to the point its
    // offset counts from. Clearing hides it but keeps the line stored.
    void setGuideLine(const QLineF &line);
    void clearGuideLine();

    // Depth of the scene's item index (a tree of 2^depth cells).
    static constexpr int indexDepth = 12;

    // Scene units around the score area.
    static constexpr double horizontalMargin = 1000.0;
    static constexpr double verticalMargin = 800.0;

    Page *page = nullptr;
    bool guideLineOn = false;
    QLineF guideLine;

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
};
