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
class QGraphicsItemGroup;
class QPointF;
class Part;
class Score;

class Wedge : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;
    // The full opening of a hairpin, in note sizes.
    static constexpr double fullOpening = 0.14;

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

    // Fills the slot of the direction's number; a number outside the slots
    // is ignored.
    void wedgeStart(Measure *measure, int voice, Direction *direction, double startPosition,
                    bool crescendo);
    // Draws the hairpin of the slot of the direction's number up to
    // `stopPosition` in `measure`, one segment per line, and frees the slot.
    // Returns 1 when drawn; 0 for a free slot, a number outside the slots or
    // a start measure the score no longer holds (that slot stays filled).
    int wedgeStop(Measure *measure, Direction *direction, double stopPosition);
    // The two lines of one segment from `start` to `end` (mm), opening from
    // `openStart` to `openEnd` (mm, half the full opening each side). With
    // `place` the lines are moved to (x, y) mm, else the caller places the
    // group.
    void wedgePen(QGraphicsItemGroup *group, bool place, double x, double y, const QPointF &start,
                  const QPointF &end, double openStart, double openEnd);

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
