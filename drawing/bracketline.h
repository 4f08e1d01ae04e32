// The bracket-line drawer of one part: solid, dashed, dotted, wavy or
// zigzag bracket lines with their end hooks.
//
// A plain object owned by its Part; holds the Score and Part it serves
// without owning them. One start slot per line number; a slot
// without start measure is empty: brackets use numbers 0..4 and dashes
// 5..9. Positions are millimetres along the reading direction.
#pragma once

#include "drawing/spanmarks.h"

#include <QString>

#include <array>

class Direction;
class Measure;
class QGraphicsItemGroup;
class Part;
class Score;

class BracketLine
{
public:
    static constexpr int slotCount = 10;

    // The line form a start record's text asks for: a wave ("~"), a zigzag
    // ("^") or the plain bracket line (-1).
    static int waveKindOf(const QString &text);

    // The kind is the start's line kind: 1 solid, 2 dashed, 3 dotted,
    // others solid.
    using Slot = SpanStart;

    BracketLine(Score *score, Part *part);

    // Empties every slot: a bracket left open is never drawn.
    void reset();

    // Fills the slot of the record's number with its line kind; a number
    // outside the slots is ignored.
    void bracketStart(Measure *measure, int voice, Direction *record, double position);
    // The line items of one piece into `group`: the line of `kind`
    // (1 solid, 2 dashed, 3 dotted, others solid) of `length` mm and the
    // hooks (1 up or right, 2 down or left, others none).
    void drawLine(QGraphicsItemGroup *group, int kind, double length, int hookStart, int hookEnd);
    // Ends the line of the record's number at `position` (mm) in `measure`:
    // one piece per line, the first with the drag handle. An empty slot or
    // a number outside the slots draws nothing. Returns 0.
    int bracketStop(Measure *measure, Direction *record, double position);

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
