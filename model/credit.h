// A credit text of the score (title, composer, ...). Held by Score::credits,
// which owns it. Offsets are millimetres from the page's header area.
#pragma once

#include "model/useroffset.h"

#include <QDomElement>
#include <QFont>
#include <QObject>
#include <QString>

class QGraphicsItem;

class Credit : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Credit(const QString &text, QObject *parent = nullptr);

    QString text;
    QFont font;             // the style's default font unless the user gave one
    bool fontGiven = false; // the user gave the font (font option, `tarn-font`, font command)
    int rotation = 0;       // `tarn-rotation`: 1 horizontal, 2 vertical, 3 vertical writing, 0 none
    QDomElement element;    // the `credit-words` element it was read from
    // What the file says of its role and layout, read with it (the document
    // may be gone when it is drawn); see CreditPlaces.
    QString creditType;        // its credit's `credit-type`, lower case; empty when none
    double hintFontSize = 0.0; // `font-size` in points; 0 when none
    double hintY = 0.0;        // `default-y`, tenths up from the page's foot
    bool hintYGiven = false;
    QString hintJustify; // `justify`, else `halign`

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr; // its text item in the scene (owned by the scene)
};
