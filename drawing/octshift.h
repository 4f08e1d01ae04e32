// The octave-shift drawer of one part: the "8" glyph with its dashed line.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. One start slot per shift number 0..4; a slot
// without start measure is empty. Positions are millimetres along the
// reading direction.
#pragma once

#include <QObject>

#include <array>

class Direction;
class Measure;
class Part;
class Score;

class OctShift : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        Measure *startMeasure = nullptr;
        int kind = 0;
        Direction *direction = nullptr;
        double startPosition = 0.0;
    };

    OctShift(Score *score, Part *part, QObject *parent = nullptr);

    // Empties every slot: a shift left open is never drawn.
    void reset();

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
