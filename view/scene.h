// The graphics scene of one score: every item of every page lives here.
// The score's view and its navigator both show it.
//
// Child of its Score; keeps the score's current Page (not owned). Scene
// coordinates are millimetres times Page::scaleFactor.
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

    // Scene units around the score area.
    static constexpr double horizontalMargin = 1000.0;
    static constexpr double verticalMargin = 800.0;

    Page *page = nullptr;
    bool guideLineOn = false;
    QLineF guideLine;
};
