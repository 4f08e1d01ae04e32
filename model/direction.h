// A MusicXML `direction` of a voice: words, dynamics, wedges, rehearsal
// marks, codas, brackets, octave shifts. Held and owned by its Voice.
// User offsets are millimetres divided by the part's note size.
#pragma once

#include "model/useroffset.h"

#include <QFont>
#include <QObject>
#include <QString>

class QGraphicsItem;

// The codes of Direction::kind. Kinds from Coda to LastRepeatWord are repeat
// signs and words: 7 "To Coda", 10 "D.C.", 11 "D.S.", 12 "Fine", 13 "D.C. al
// Fine", 14 "D.C. al Coda", 15 "D.S. al Coda", 16 "D.S. al Fine".
namespace DirectionKind {
enum : int
{
    Dynamics = 0,
    Words = 1,
    Rehearsal = 2,
    Crescendo = 3,
    Diminuendo = 4,
    WedgeStop = 5,
    Coda = 6,
    Segno = 8,
    Metronome = 9,
    DaCapo = 10,
    LastRepeatWord = 16,
    LineStart = 17,
    LineStop = 18,
    OctaveDown = 19,
    OctaveUp = 20,
    OctaveStop = 21,
};
} // namespace DirectionKind

class Direction : public QObject, public UserOffset
{
    Q_OBJECT

public:
    explicit Direction(QObject *parent = nullptr);

    int kind = -1;    // DirectionKind, as the direction reader codes it
    int number = 0;   // the `number` of a wedge, bracket, dashes or octave shift
    int lineType = 0; // 1 solid, 2 dashed, 3 dotted
    int lineEnd = 0;  // 1 up, 2 down
    QString text = QStringLiteral("nothing");
    bool fontGiven = false; // a `tarn-font` was read
    QFont font;             // family empty, 12 points
    int rotation = 0;       // 1 horizontal, 2 vertical, 3 vertical writing, 0 none
    int staff = 0;          // staff index 0..7
    int noteIndex = 0;      // note of the voice it stands at; -1 measure start, -2 measure end
    double scale = 1.0;     // `tarn-scale`
    int visibility = 0;     // `tarn-visibility`: 1 visible, 2 invisible, 0 default
    int placement = 0;      // the direction's `placement`: 1 above, 2 below, 0 not given

    // computed by layout; reset before each regeneration
    QGraphicsItem *item = nullptr; // its drag handle in the scene (owned by the scene)
    bool shown = true;             // drawn visible, derived from `visibility`
};
