// A directive text attached to a note (".scale{...}", ".transpose{...}",
// quoted names, marks). Held and owned by its Note. A deleted directive
// stays in the note's list with `deleted` set so undo can bring it back;
// every reader of a note's directives passes over deleted ones.
#pragma once

#include "model/useroffset.h"

#include <QDomElement>
#include <QObject>
#include <QString>

class QGraphicsItem;

class Directive : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Directive(QObject *parent = nullptr);

    int kind = 6; // DirectiveType of `text`
    QString text; // the full directive text, prefix included
    QDomElement element;
    QString displayText; // what the directive shows; set by whoever creates it
    bool deleted = false;
    double scale = 1.0; // `tarn-scale`

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
};
