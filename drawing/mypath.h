// A wavy, zigzag or ornamental line of a given length (wavy lines,
// glissandi, trill-like lines), drawn at paint time from its kind:
//   0 wave (quadratic curves), 1 zigzag,
//   2 filled ornament along x (nothing along y),
//   3 filled ornament along x, a row of "wavy_Glissando" glyphs along y.
// The line starts at the item's origin and runs along its x or y axis.
//
// A plain item without parent; whoever adds it to the scene hands it over.
// Length and size are scene units; size sets the amplitude and the pen.
#pragma once

#include <QGraphicsItem>
#include <QPainterPath>
#include <QRectF>

#include <memory>

class QSvgRenderer;

class MyPath : public QGraphicsItem
{
public:
    MyPath();

    void setWavePath(int kind, double length, bool alongX, double size);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The path that kinds 0 and 1 stroke, and kinds 2 and 3 along x fill;
    // empty when the line is too short for one segment. Kind 3 along y
    // draws glyph tiles instead (see tileRects).
    QPainterPath linePath() const;
    // Where kind 3 along y draws its "wavy_Glissando" tiles.
    QList<QRectF> tileRects() const;

    QRectF bounds;
    int kind = 0;
    double length = 0.0;
    bool alongX = false;
    double size = 0.0;

private:
    QPainterPath wavePath() const;
    QPainterPath ornamentPath() const;
    std::shared_ptr<QSvgRenderer> tileRenderer;
};
