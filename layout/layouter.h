// The voice and chord lanes of one measure: how each part's row is shared
// among its voices and the notes of their chords. Positions are
// millimetres across the reading direction.
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
