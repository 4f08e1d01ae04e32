// The stopped (left-hand) mark of a note. Held and owned by its Note.
#pragma once

#include "model/useroffset.h"

#include <QObject>

class QGraphicsItem;

class Stopped : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Stopped(QObject *parent = nullptr);

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
