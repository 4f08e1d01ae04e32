// The slur drawer of one voice of a part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. `voice` is the voice index, 0 to 31. One
// slot per slur number 0..4; a slot without start measure is free.
// refOffset is millimetres across the reading direction from the part's
// reference line; end points are millimetres, curve paths scene units.
//
// Each slur becomes one filled crescent per system it crosses, added to the
// score's scene (which owns it). A slot remembers the voice its slur
// started in, so a slur taken over from another voice's drawer is measured
// at both ends in their own voices. A slur whose start notation is hidden is
// drawn at half opacity while editing and left out of clean output.
#pragma once

#include <QObject>
#include <QPointF>
#include <QSizeF>

#include <array>

class Measure;
class Notation;
class Note;
class Part;
class QGraphicsPathItem;
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
        int voice = 0; // the start note's voice index
    };

    Slurs(Score *score, Part *part, int voice, QObject *parent = nullptr);

    // Frees every slot, so no slur of an earlier picture stays open.
    void reset();

    // Opens slur `number` (0..4) at `note` of `measure`; `slur` is the
    // note's slur notation and refOffset (mm) the start's distance from
    // the part's reference line. An open slur of that number is replaced.
    void slurStart(Measure *measure, Note *note, Notation *slur, int number, double refOffset);
    // Whether slur `number` is open in this voice.
    bool isOpen(int number) const;
    // Moves the open slur `number` of `other` (a drawer of another voice of
    // the same part) into this drawer's slot, so that a stop in this voice
    // closes it.
    void takeOver(Slurs *other, int number);
    // Closes slur `number` at `note` and draws it, one item per system it
    // crosses (the first, and the last when it is in another system, movable
    // and tagged with their notations). stopSlur is the note's stop
    // notation. The second form serves staff notation. Nothing happens for
    // a free slot. Return 0.
    int slurStop(Measure *measure, Note *note, Notation *stopSlur, int number);
    int slurStop2(Measure *measure, Note *note, Notation *stopSlur, int number);

    // The crescent from (0, 0) over the chord (dx, dy) in scene units, bulging
    // by up to 0.4 x `height` (full from a chord of 100 on) on the side of
    // `flag` (above, or right in the vertical form) and shaped by the
    // control offsets c1 and c2; the item is rotated onto the chord. A chord
    // of no length lies flat.
    static void slurPath(QGraphicsPathItem *item, bool flag, double dx, double dy, double c1,
                         double c2, double height);
    static void slurPathV(QGraphicsPathItem *item, bool flag, double dx, double dy, double c1,
                          double c2, double height);

    Score *score = nullptr;
    Part *part = nullptr;
    int voice = 0;
    std::array<Slot, slotCount> startSlots{};

private:
    // What an end of a staff-notation slur is measured from.
    struct EndFrame
    {
        QPointF pos;       // the note's first glyph, mm
        QSizeF size;       // that glyph's size, mm
        int step = 0;      // staff step
        double line = 0.0; // the stem's free end across the reading direction
        QPointF topPos;    // the first glyph of the chord's last note
        bool staccato = false;
        bool beamed = false;
        int stem = 0;
    };
    enum class SegmentRole
    {
        StartEnd, // movable, stands for the start notation
        StopEnd,  // movable, stands for the stop notation
        Plain,
    };

    int partIndex() const;
    // The item lookups take the voice that holds the note: the start of a
    // slur may lie in another voice than its stop.
    bool hasItem(const Measure *measure, const Note *note, int noteVoice) const;
    QPointF finalPos(const Measure *measure, const Note *note, int noteVoice) const;
    EndFrame endFrame(Measure *measure, Note *note, int noteVoice) const;
    // Staff notation: the start p and end q (mm) of a slur above or below,
    // the start in voice startVoice and the stop in this drawer's voice.
    void slurEndPoints(Measure *startMeasure, Note *start, int startVoice, Measure *stopMeasure,
                       Note *stop, bool above, QPointF &p, QPointF &q) const;
    void slurEndPointsV(Measure *startMeasure, Note *start, int startVoice, Measure *stopMeasure,
                        Note *stop, bool above, QPointF &p, QPointF &q) const;
    // Frees slot `number` into `slot`; false when it was free or the slur
    // cannot be drawn (an end without glyphs, no start notation, a stop
    // before its start).
    bool takeSlot(int number, Measure *measure, Note *note, Slot *slot);
    // Adds the segment to the scene, movable and tagged for `notation` of
    // `note` in voice noteVoice unless plain, at the start notation's
    // visibility.
    void finishSegment(QGraphicsPathItem *item, SegmentRole role, Measure *measure, Note *note,
                       int noteVoice, Notation *notation, const Notation *startSlur);
};
