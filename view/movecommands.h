// The undo commands that move one item by hand: each stores a new user
// offset on its model object (redo) and restores the old offset and moved
// flag (undo). The offsets take effect at the next regeneration; the
// commands never touch scene items. The pusher sets the text (the class
// name, or with " Refresh" where the pusher says) and groups the commands
// in the macro "move selected items".
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
