// The coloured square that marks a user line, page or white-page break at
// its measure; selecting it lets the user delete the break. Clean output
// (export) leaves it out.
//
// Belongs to the scene. Width and height are whole scene units.
#pragma once

#include <QColor>
#include <QGraphicsItem>

class BreakItem : public QGraphicsItem
{
public:
    // The kind of break a mark shows.
    enum Kind : int
    {
        LineBreak = 1,
        PageBreak = 2,
        WhitePageBreak = 3,
    };

    // `a` and `b` are kept for the caller and not read by the item.
    BreakItem(int kind, int a, int b, int width, int height);

    // Break kind of a measure's UserBreakType: 1 and 4 line, 2 and 5 page,
    // 3 and 6 white page; 0 for no break or an unknown type.
    static int kindOfBreakType(int userBreakType);
    // The fill of a mark of `kind`; light yellow whenever selected.
    static QColor colorOf(int kind, bool selected);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    int kind = 0;
    int a = 0;
    int b = 0;
    int width = 0;
    int height = 0;
};
