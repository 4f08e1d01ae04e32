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

class Page;
class Score;

class Scene : public QGraphicsScene
{
    Q_OBJECT

public:
    Scene(Page *page, Score *parent);

    // Scene rectangle = the page's score area in scene units, widened by
    // the margins on every side.
    void updateSceneRect();

    // The guide line (scene units) from a dragged item to the point its
    // offset counts from. Clearing hides it but keeps the line stored.
    void setGuideLine(const QLineF &line);
    void clearGuideLine();

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
