// The crescendo and diminuendo hairpin drawer of one part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. One slot per wedge number 0..4; a slot
// without start measure is free. Positions are millimetres along the
// reading direction.
#pragma once

#include <QObject>

#include <array>

class Direction;
class Measure;
class Part;
class Score;

class Wedge : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        Measure *startMeasure = nullptr;
        int voice = 0;
        Direction *direction = nullptr;
        double startPosition = 0.0;
        bool crescendo = false;
    };

    Wedge(Score *score, Part *part, QObject *parent = nullptr);

    // Frees every slot, so no hairpin of an earlier picture stays open.
    void reset();

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
