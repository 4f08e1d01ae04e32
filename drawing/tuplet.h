// The tuplet drawer of one voice of a part in one measure: tuplet brackets
// and tuplet numbers. The item generation makes one per voice and measure
// and drops it when the voice is drawn, so nothing open carries over.
//
// Holds the Score it draws into without owning it; the scene owns every
// item made. Points are millimetres; `part` and `voice` are indices
// (0-based). Up to five tuplet numbers (0..4) can be open at once.
#pragma once

#include <QObject>
#include <QPointF>

#include <array>

class Measure;
class Score;

class Tuplet : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        bool bracket = false;
        int count = 0; // actual notes shown in the bracket
        QPointF start;
        QPointF stop;
        int firstNote = 0; // index in the voice's note list
        int lastNote = 0;
        bool open = false; // started in this measure and not yet drawn
    };

    Tuplet(Score *score, int part, int voice, QObject *parent = nullptr);

    // Traditional notations: the bracket of number i from `start` to the
    // stop point, with `count` as its number. A stop whose start this
    // builder never saw (the tuplet began in another measure) draws
    // nothing, as does a number outside 0..4.
    void tupletStart(int i, int count, bool bracket, QPointF start);
    void tupletStop(int i, QPointF stop);
    // Staff notation: the number (and bracket) of tuplet i over the notes
    // firstNote..lastNote of the voice in measure m; nothing without a
    // matching setTupletShow in this builder.
    void setTupletShow(int i, int firstNote);
    void drawTupletNumber(int i, Measure *m, int part, int voice, int lastNote);

    // The two bracket forms between the stored start and stop of number i:
    // stretched common glyphs (stop point in mm), or lines with the number
    // in a gap, `highest` being the highest number in use.
    void tupletBracket(int i, double stopX, double stopY);
    void tupletBracket2(int i, int highest);
    // The number (with its line bracket when the first note asks for one)
    // over the notes of tuplet i, horizontal and vertical writing.
    void tupletNumber(int i, Measure *m, int part, int voice);
    void tupletNumberV(int i, Measure *m, int part, int voice);

    // Once no tuplet is open, the next one starts a nesting of its own.
    void closeNesting();

    Score *score = nullptr;
    int part = 0;
    int voice = 0;
    std::array<Slot, slotCount> entries{};
    int highest = 0; // highest tuplet number in use, 0 when none
};
