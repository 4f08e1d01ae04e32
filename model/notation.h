// A notation element of a note (slur, wavy line, articulation, ...). Held
// and owned by its Note; the note's slur and wavy-line pointers borrow it.
// User offsets are millimetres divided by the part's note size.
#pragma once

#include "model/useroffset.h"

#include <QObject>
#include <QString>

class QGraphicsItem;

class Notation : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Notation(QObject *parent = nullptr);

    int kind = -1; // coded by the notation reader (6 slur, 11 wavy line, ...)
    QString text;
    bool inverted = false;
    int visibility = 0;         // 0 default, 1 visible, 2 invisible
    double scale = 1.0;         // `tarn-scale`
    double slurControlY1 = 0.0; // slur curve shift, left half (0 none)
    double slurControlY2 = 0.0; // slur curve shift, right half (0 none)
    int placement = 0;          // the file's placement: 0 none, 1 above, 2 below
    int userPlacement = 0;      // `tarn-slur-placement`, same codes

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr;
    bool shown = true; // drawn visible, derived from `visibility`
};
