// The drag handle of a movable group (bracket lines, octave lines,
// hairpins, text groups, fingerings): a rectangle that shows only while
// selected. Releasing it after a drag asks its score for a regeneration,
// which runs from the event loop once the mouse handler has returned,
// because the regeneration deletes this very item.
//
// Belongs to its group (and so to the scene); keeps its owning Score
// without owning it. Width and height are whole scene units.
#pragma once

#include <QGraphicsItem>
#include <QPointF>

class Score;

class MovableItem : public QGraphicsItem
{
public:
    MovableItem(Score *owner, int width, int height);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    Score *owner = nullptr;
    int width = 0;
    int height = 0;
    QPointF pressPosition; // the item's position at the last press

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
};
