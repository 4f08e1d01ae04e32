// The slur drawer of one voice of a part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. `voice` is the voice index, 0 to 31. One
// slot per slur number 0..4; a slot without start measure is free.
// refOffset is millimetres across the reading direction from the part's
// reference line.
#pragma once

#include <QObject>
#include <QPointF>

#include <array>

class Measure;
class Notation;
class Note;
class Part;
class Score;

class Slurs : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        Measure *startMeasure = nullptr;
        Note *startNote = nullptr;
        Notation *slur = nullptr;
        double refOffset = 0.0;
    };

    Slurs(Score *score, Part *part, int voice, QObject *parent = nullptr);

    // Frees every slot, so no slur of an earlier picture stays open.
    void reset();

    // Opens slur `number` (0..4) at `note` of `measure`; `slur` is the
    // note's slur notation and refOffset (mm) the start's distance from
    // the part's reference line. An open slur of that number is replaced.
    void slurStart(Measure *measure, Note *note, Notation *slur, int number, double refOffset);
    // Closes slur `number` at `note` and draws it, one item per system it
    // crosses (the first, and the last when it is in another system, movable
    // and tagged with their notations). stopSlur is the note's stop
    // notation. The second form serves staff notation. Nothing happens for
    // a free slot. Return 0.
    int slurStop(Measure *measure, Note *note, Notation *stopSlur, int number);
    int slurStop2(Measure *measure, Note *note, Notation *stopSlur, int number);

    Score *score = nullptr;
    Part *part = nullptr;
    int voice = 0;
    std::array<Slot, slotCount> startSlots{};
};
