// One lyric syllable of a note. Held and owned by its Note. A deleted lyric
// stays in the note's list with `deleted` set.
#pragma once

#include "model/useroffset.h"

#include <QDomElement>
#include <QObject>
#include <QString>

class QGraphicsItem;

class Lyrics : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Lyrics(const QString &text, QObject *parent = nullptr);

    QString text;
    int number = 0; // the lyric line
    bool extend = false;
    QDomElement element;
    int syllabic = 0; // 1 begin, 2 middle, 3 end, 0 single or none
    bool deleted = false;

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
