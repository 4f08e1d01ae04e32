// The undo commands that place one item by hand. A move stores a new user
// offset on its model object (redo) and restores the old offset and moved
// flag (undo); its reset twin puts the offset back to zero and unmoved.
// Beside them: the slur-curve shift, the reversal of ties and slurs, and
// the reset of a note's shift. The values take effect at the next
// regeneration; the commands never touch scene items. The pusher sets the
// text (the class name, or with " Refresh" where the pusher says) and
// groups the commands in a macro ("move selected items",
// "resetMoveCommand", ...).
//
// Each command holds the Score and its target by pointer without owning
// them; a pushed command belongs to the undo stack. Offsets are in the
// target's own units (note sizes; credits millimetres).
#pragma once

#include <QPointF>
#include <QUndoCommand>

class Credit;
class Direction;
class Directive;
class Fingering;
class Harmonic;
class Lyrics;
class Measure;
class Notation;
class Note;
class Score;
class Stopped;
class UpBow;

// The common move of every element object with a UserOffset.
template <class Target> class UserOffsetMove : public QUndoCommand
{
public:
    UserOffsetMove(Score *score, Target *target, const QPointF &newOffset)
        : score(score), target(target), oldMoved(target->moved), oldX(target->x), oldY(target->y),
          newOffset(newOffset)
    {
    }

    void undo() override
    {
        target->setOffset(oldX, oldY);
        target->moved = oldMoved;
    }
    void redo() override { target->setOffset(newOffset.x(), newOffset.y()); }

    Score *score = nullptr;
    Target *target = nullptr;
    bool oldMoved = false;
    double oldX = 0.0;
    double oldY = 0.0;
    QPointF newOffset;
};

// The common reset: back to offset (0, 0) and not moved.
template <class Target> class UserOffsetMoveReset : public QUndoCommand
{
public:
    UserOffsetMoveReset(Score *score, Target *target)
        : score(score), target(target), oldMoved(target->moved), oldX(target->x), oldY(target->y)
    {
    }

    void undo() override
    {
        target->setOffset(oldX, oldY);
        target->moved = oldMoved;
    }
    void redo() override
    {
        target->setOffset(0.0, 0.0);
        target->moved = false;
    }

    Score *score = nullptr;
    Target *target = nullptr;
    bool oldMoved = false;
    double oldX = 0.0;
    double oldY = 0.0;
};

class CreditMove : public UserOffsetMove<Credit>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class DirectionMove : public UserOffsetMove<Direction>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class DirectiveMove : public UserOffsetMove<Directive>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class NotationMove : public UserOffsetMove<Notation>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class FingeringMove : public UserOffsetMove<Fingering>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class HarmonicMove : public UserOffsetMove<Harmonic>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class StoppedMove : public UserOffsetMove<Stopped>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

class UpBowMove : public UserOffsetMove<UpBow>
{
public:
    // Also traces its entry and the old and new offsets.
    UpBowMove(Score *score, UpBow *target, const QPointF &newOffset);
};

class LyricMove : public UserOffsetMove<Lyrics>
{
public:
    using UserOffsetMove::UserOffsetMove;
};

// The octave-instruction mark of a note: its own moved flag and offset.
class OctaveInstMove : public QUndoCommand
{
public:
    OctaveInstMove(Score *score, Note *target, const QPointF &newOffset);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *target = nullptr;
    bool oldMoved = false;
    double oldX = 0.0;
    double oldY = 0.0;
    QPointF newOffset;
};

// The ending (volta bracket) of a measure: a plain offset pair without a
// moved flag.
class EndingMove : public QUndoCommand
{
public:
    EndingMove(Score *score, Measure *target, const QPointF &newOffset);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Measure *target = nullptr;
    QPointF oldOffset;
    QPointF newOffset;
};

class CreditMoveReset : public UserOffsetMoveReset<Credit>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class DirectionMoveReset : public UserOffsetMoveReset<Direction>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class DirectiveMoveReset : public UserOffsetMoveReset<Directive>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class NotationMoveReset : public UserOffsetMoveReset<Notation>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class FingeringMoveReset : public UserOffsetMoveReset<Fingering>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class HarmonicMoveReset : public UserOffsetMoveReset<Harmonic>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class StoppedMoveReset : public UserOffsetMoveReset<Stopped>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class UpBowMoveReset : public UserOffsetMoveReset<UpBow>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class LyricMoveReset : public UserOffsetMoveReset<Lyrics>
{
public:
    using UserOffsetMoveReset::UserOffsetMoveReset;
};

class OctaveInstMoveReset : public QUndoCommand
{
public:
    OctaveInstMoveReset(Score *score, Note *target);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *target = nullptr;
    bool oldMoved = false;
    double oldX = 0.0;
    double oldY = 0.0;
};

class EndingMoveReset : public QUndoCommand
{
public:
    EndingMoveReset(Score *score, Measure *target);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Measure *target = nullptr;
    QPointF oldOffset;
};

// The two halves of a slur's curve shifted across the notes (0 none).
class SlurShiftChange : public QUndoCommand
{
public:
    SlurShiftChange(Score *score, Notation *slur, double newShift1, double newShift2);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Notation *slur = nullptr;
    double oldShift1 = 0.0;
    double oldShift2 = 0.0;
    double newShift1 = 0.0;
    double newShift2 = 0.0;
};

// Turns a staff note's tie to the other side; its own inverse, so it keeps
// nothing.
class TieReverseUserCommand : public QUndoCommand
{
public:
    TieReverseUserCommand(Score *score, Note *note);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
};

// Puts a slur on the side `newPlacement` (1 above, 2 below; 0 the file's).
// The placement to restore is read at each redo, so a redo after an undo
// keeps whatever the slur had then.
class SlurReverseUserCommand : public QUndoCommand
{
public:
    SlurReverseUserCommand(Score *score, Notation *slur, int newPlacement);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Notation *slur = nullptr;
    int newPlacement = 0;
    int oldPlacement = 0;
};

// Puts a staff note's manual shift back to zero.
class ResetNoteShift : public QUndoCommand
{
public:
    ResetNoteShift(Score *score, Note *note);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    double oldShiftMajor = 0.0;
    double oldShiftSub = 0.0;
};
