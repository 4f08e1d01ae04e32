// A fingering text of a note. Held and owned by its Note.
#pragma once

#include "model/useroffset.h"

#include <QDomElement>
#include <QObject>
#include <QString>

class QGraphicsItem;

class Fingering : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Fingering(QObject *parent = nullptr);

    QString text;
    QDomElement element;

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
