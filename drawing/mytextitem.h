// A text drawn with the painter, either across (one line, or one line
// below another where the text holds line breaks) or, for vertical
// writing, character below character. Seven glyph characters of the staff
// lyric font ("ê", "ë", "í", "î", "ï", "ý", "þ") advance only half a line
// in vertical text; a blank between words adds a fifth of a line. Note
// values (the beat units of tempo marks) are drawn by the item itself, see
// TempoNotes, not by a font.
//
// A plain item without parent; whoever adds it to the scene hands it over.
// Sizes are scene units from the item's font metrics.
#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPaintDevice;

class MyTextItem : public QGraphicsItem
{
public:
    MyTextItem(const QString &text, bool vertical);

    void setFont(const QFont &newFont);
    void setVertical(bool on);
    // True when the character at `index` is a half-advance character.
    bool isRotatedChar(int index) const;

    // Where paint puts each character (vertical text) or each line (text
    // across): the baseline origins, in paint order.
    QList<QPointF> characterOrigins() const;

    // The font to draw with on `device`: the item's font, sized so that the
    // text covers the same scene extent as boundingRect on any device.
    QFont deviceFont(const QPaintDevice *device) const;

    // The width of one line of text across, scene units: note values (see
    // TempoNotes) by their own drawing.
    double lineWidth(const QString &line) const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString text;
    QFont font;
    bool vertical = false;
    QStringList halfAdvanceChars;

private:
    void paintLine(QPainter *painter, QPointF origin, const QString &line) const;
};
