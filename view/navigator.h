// The overview of one score under its view: the whole score area shrunk to
// fit, with the part the score view shows drawn over it as a translucent
// rectangle. A click or a drag with the left button scrolls the score view
// there; Ctrl with the wheel zooms it.
//
// Child of its ScoreWindow; shows the score's Scene and keeps the score's
// Page (neither owned). The visible rectangle it draws is the Page's, in
// scene units.
#pragma once

#include <QGraphicsView>
#include <QPointF>
#include <QRectF>

class Page;
class Scene;

class Navigator : public QGraphicsView
{
    Q_OBJECT

public:
    Navigator(Scene *scene, QWidget *parent = nullptr);

    Page *page = nullptr;
    Scene *scoreScene = nullptr;
    // Resize events seen so far; the whole score is fitted again on every
    // third one, so the two nudges of navigateRect leave the fit alone.
    int resizeCount = 0;

signals:
    void sigNaviPos(const QPointF &scenePoint);
    void sigNaviMagnify(bool magnify);

public slots:
    // Stores the score view's visible scene rectangle in the Page and has
    // the navigator repaint it (a nudge of one pixel and back).
    void navigateRect(const QRectF &visible);

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void fitScoreArea();
    void emitScenePoint(const QPointF &viewPoint);
};
