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

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr; // its text item in the scene (owned by the scene)
};
