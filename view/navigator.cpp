#include "view/navigator.h"

#include "model/page.h"
#include "view/scene.h"
#include "view/wheelturn.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

Navigator::Navigator(Scene *scene, QWidget *parent)
    : QGraphicsView(scene, parent), page(scene->page), scoreScene(scene)
{
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setRenderHint(QPainter::Antialiasing, true);
    setOptimizationFlags(QGraphicsView::DontSavePainterState);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The overview only points: double clicks and releases must not reach
    // the items either, or they could be selected from here.
    setInteractive(false);
}

void Navigator::navigateRect(const QRectF &visible)
{
    page->visibleX = visible.x();
    page->visibleY = visible.y();
    page->visibleWidth = visible.width();
    page->visibleHeight = visible.height();
    // A size change repaints the whole viewport at once, where an update()
    // would wait for the event loop and merge with the view's own paints.
    const int w = width();
    resize(w + 1, height());
    resize(w, height());
}

void Navigator::drawForeground(QPainter *painter, const QRectF &)
{
    const QColor colour(200, 0, 200, 100);
    painter->setPen(QPen(colour));
    painter->setBrush(QBrush(colour));
    painter->drawRect(QRect(int(page->visibleX), int(page->visibleY), int(page->visibleWidth),
                            int(page->visibleHeight)));
}

void Navigator::resizeEvent(QResizeEvent *)
{
    if (resizeCount % 3 == 0)
        fitScoreArea();
    ++resizeCount;
}

void Navigator::fitScoreArea()
{
    const double s = page->scaleFactor;
    const QRectF &area = page->scoreRect;
    const QRectF scaled(area.x() * s, area.y() * s, area.width() * s, area.height() * s);
    fitInView(scaled, Qt::KeepAspectRatio);
    centerOn(scaled.center());
}

void Navigator::emitScenePoint(const QPointF &viewPoint)
{
    emit sigNaviPos(mapToScene(viewPoint.toPoint()));
}

void Navigator::mousePressEvent(QMouseEvent *event)
{
    emitScenePoint(event->position());
}

void Navigator::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
    if (event->buttons() & Qt::LeftButton)
        emitScenePoint(event->position());
}

void Navigator::wheelEvent(QWheelEvent *event)
{
    qDebug().noquote() << "Navigator wheelEvent";
    qDebug().noquote() << "wheelEvent";
    if (event->modifiers() & Qt::ControlModifier) {
        emit sigNaviMagnify(wheelTurn(event) >= 1);
        event->accept();
    } else {
        event->ignore();
    }
}
