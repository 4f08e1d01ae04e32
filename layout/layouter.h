// The voice and chord lanes of one measure: how each part's row is shared
// among its voices and the notes of their chords. Positions are
// millimetres across the reading direction; every query answers relative
// to the centre line of the part's row.
//
// Queries take part and voice indices as valid (0..parts-1, 0..31) and are
// meaningful after layout() until the next one.
//
// Ownership: one per Measure, created and owned by it; score and measure
// are borrowed.
#pragma once

#include <QList>
#include <QObject>

class Measure;
class Score;

class Layouter : public QObject
{
    Q_OBJECT

public:
    // One entry per part of the score in every list, all zeros.
    Layouter(Score *score, Measure *measure, QObject *parent = nullptr);

    // Every list back to one zero entry per part (32 per part for the
    // per-voice lists).
    void resetLists();

    // Recomputes chord counts, row widths, part offsets and voice lanes.
    void layout();

    // 1.0 when a chord of `chordSize` notes fits the voice's lane, else
    // the factor that squeezes it in.
    double chordSqueezeRatio(int part, int voice, int chordSize) const;
    // The near (false) or far (true) edge of the voice's widest chord.
    double chordEdgePos(int part, int voice, bool farSide) const;
    // Where note `chordIndex` of a chord of `chordSize` notes starts;
    // `shift` moves it on by one (squeezed) note width.
    double chordNotePos(int part, int voice, int chordSize, int chordIndex, bool shift) const;
    // A point of one of three note-wide lanes of the part's first voice:
    // `edge` 0 its start, 1 its centre, 2 its end.
    double chordNotePos2(int part, int lane, int edge) const;
    // The lyric line that carries the note's name when note names are
    // written as lyrics. Plain order numbers the voices from the first and
    // a chord from its last note; `reversed` numbers the voices from the
    // last used one and a chord from its main note, with the same gaps.
    int voiceNoteLyricNumber(int part, int voice, int chordSize, int chordIndex,
                             bool reversed) const;

    Score *score = nullptr;
    Measure *measure = nullptr;
    QList<double> partOffsets;        // per part: its row's offset from the first row
    QList<double> rowWidths;          // per part
    QList<int> partChordTotals;       // per part: sum of its voices' chord counts
    int total = 0;                    // sum of all parts' chord totals
    QList<QList<int>> chordCounts;    // per part, per voice: largest chord size
    QList<QList<double>> laneOffsets; // per part, per voice
    QList<QList<double>> laneWidths;  // per part, per voice
};
