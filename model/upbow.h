// The up-bow mark (the koto and sangen "Sukui") of a note. Held and owned by its Note.
#pragma once

#include "model/useroffset.h"

#include <QObject>

class QGraphicsItem;

class UpBow : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit UpBow(QObject *parent = nullptr);

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
