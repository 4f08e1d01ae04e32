// A notation element of a note (slur, wavy line, articulation, ...). Held
// and owned by its Note; the note's slur and wavy-line pointers borrow it.
// User offsets are millimetres divided by the part's note size.
#pragma once

#include "model/useroffset.h"

#include <QObject>
#include <QString>

class QGraphicsItem;

// The codes of Notation::kind for articulations, ornaments, slurs and wavy
// lines.
namespace NotationKind {
enum : int
{
    None = -1,
    Fermata = 0,
    Staccato = 1,
    Staccatissimo = 2,
    Accent = 3,
    Trill = 4,
    Tenuto = 5,
    Slur = 6,
    Mordent = 8,
    InvertedMordent = 9,
    Tremolo = 10,
    WavyLineStart = 11,
    WavyLineStop = 12,
    DetachedLegato = 13,
    StrongAccent = 14,
    Stress = 15,
    Unstress = 16,
    SoftAccent = 17,
};
} // namespace NotationKind

class Notation : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Notation(QObject *parent = nullptr);

    int kind = NotationKind::None; // as the notation reader codes it
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
