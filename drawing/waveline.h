// The wavy-line drawer of one part (trill extensions and similar).
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. One wavy line can be open at a time; it is
// open while startMeasure is set. refOffset is millimetres across the
// reading direction from the part's reference line.
#pragma once

#include <QObject>

class Measure;
class Notation;
class Note;
class Part;
class Score;

class WaveLine : public QObject
{
    Q_OBJECT

public:
    WaveLine(Score *score, Part *part, QObject *parent = nullptr);

    // Forgets the open start, so no wavy line of an earlier picture
    // stays open.
    void reset();

    // Remembers the start at `note` of measure m; `wavy` is the note's
    // wavy-line notation, refOffset the start's distance (mm) from the
    // part's reference line. A new start replaces an open one.
    void wavyLineStart(Measure *m, Note *note, Notation *wavy, double refOffset);
    // Draws the line from the remembered start to `note` of measure m, one
    // item per system it crosses. Returns 1.
    int wavyLineStop(Measure *m, Note *note);

    Score *score = nullptr;
    Part *part = nullptr;
    Measure *startMeasure = nullptr;
    Note *startNote = nullptr;
    Notation *startNotation = nullptr;
    double refOffset = 0.0;
};
