// The harmonic mark of a note. Held and owned by its Note.
#pragma once

#include "model/useroffset.h"

#include <QObject>

class QGraphicsItem;

class Harmonic : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Harmonic(QObject *parent = nullptr);

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
