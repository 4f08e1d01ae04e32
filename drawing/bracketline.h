// The bracket-line drawer of one part: solid, dashed, dotted, wavy or
// zigzag bracket lines with their end hooks.
//
// A plain object owned by its Part; holds the Score and Part it serves
// without owning them. One start slot per bracket number 0..4; a slot
// without start measure is empty. Positions are millimetres along the
// reading direction.
#pragma once

#include <array>

class Direction;
class Measure;
class Part;
class Score;

class BracketLine
{
public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        Measure *startMeasure = nullptr;
        int kind = 0; // 1 solid, 2 dashed, 3 dotted, others solid
        Direction *direction = nullptr;
        double startPosition = 0.0;
    };

    BracketLine(Score *score, Part *part);

    // Empties every slot: a bracket left open is never drawn.
    void reset();

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
