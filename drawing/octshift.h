// The octave-shift drawer of one part: the "8" glyph with its dashed line.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. One start slot per shift number 0..4; a slot
// without start measure is empty. Positions are millimetres along the
// reading direction.
#pragma once

#include "drawing/spanmarks.h"

#include <QObject>

#include <array>

class Direction;
class Measure;
class QGraphicsItemGroup;
class Part;
class Score;

class OctShift : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    // The kind is the start record's: 19 down, 20 up.
    using Slot = SpanStart;

    OctShift(Score *score, Part *part, QObject *parent = nullptr);

    // Empties every slot: a shift left open is never drawn.
    void reset();

    // Fills the slot of the record's number; its kind comes from the
    // record. A number outside the slots is ignored.
    void octShiftStart(Measure *measure, int voice, Direction *record, double position);
    // The glyph "8" and the dashed line of one piece of `length` mm into
    // `group`, with the end hook when `withHook`: toward smaller y (x in
    // vertical writing), or toward larger when `hookOtherWay`.
    void octShiftGlyphs(QGraphicsItemGroup *group, double length, bool hookOtherWay, bool withHook);
    // Draws the shift of the record's number up to `position` (mm) in
    // `measure`, one piece per line, and empties the slot. Returns 1 when
    // drawn; 0 for an empty slot, a number outside the slots or a start
    // measure the score no longer holds.
    int octShiftStop(Measure *measure, Direction *record, double position);

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
