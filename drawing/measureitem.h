// The scene item that covers one measure, so that measures can be selected
// for the measure commands. Invisible until selected, then a light-yellow
// area.
//
// Belongs to the scene; keeps its owning Score without owning it. Width and
// height are whole scene units.
#pragma once

#include <QGraphicsItem>

class Score;

class MeasureItem : public QGraphicsItem
{
public:
    MeasureItem(Score *owner, int width, int height);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    Score *owner = nullptr;
    int width = 0;
    int height = 0;
};
