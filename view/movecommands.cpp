#include "view/movecommands.h"

#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/stopped.h"
#include "model/upbow.h"

#include <QDebug>

UpBowMove::UpBowMove(Score *score, UpBow *target, const QPointF &newOffset)
    : UserOffsetMove(score, target, newOffset)
{
    qDebug() << "UpBowMove command entered";
    qDebug() << "UpBowMove old, new Pos =" << QPointF(oldX, oldY) << newOffset;
}

OctaveInstMove::OctaveInstMove(Score *score, Note *target, const QPointF &newOffset)
    : score(score), target(target), oldMoved(target->octaveInstMoved),
      oldX(target->octaveInstOffsetX), oldY(target->octaveInstOffsetY), newOffset(newOffset)
{
}

void OctaveInstMove::undo()
{
    target->setOctaveInstOffset(oldX, oldY);
    target->octaveInstMoved = oldMoved;
}

void OctaveInstMove::redo()
{
    target->setOctaveInstOffset(newOffset.x(), newOffset.y());
}

EndingMove::EndingMove(Score *score, Measure *target, const QPointF &newOffset)
    : score(score), target(target), oldOffset(target->endingOffsetX, target->endingOffsetY),
      newOffset(newOffset)
{
}

void EndingMove::undo()
{
    target->endingOffsetX = oldOffset.x();
    target->endingOffsetY = oldOffset.y();
}

void EndingMove::redo()
{
    target->endingOffsetX = newOffset.x();
    target->endingOffsetY = newOffset.y();
}

OctaveInstMoveReset::OctaveInstMoveReset(Score *score, Note *target)
    : score(score), target(target), oldMoved(target->octaveInstMoved),
      oldX(target->octaveInstOffsetX), oldY(target->octaveInstOffsetY)
{
}

void OctaveInstMoveReset::undo()
{
    target->setOctaveInstOffset(oldX, oldY);
    target->octaveInstMoved = oldMoved;
}

void OctaveInstMoveReset::redo()
{
    target->setOctaveInstOffset(0.0, 0.0);
    target->octaveInstMoved = false;
}

EndingMoveReset::EndingMoveReset(Score *score, Measure *target)
    : score(score), target(target), oldOffset(target->endingOffsetX, target->endingOffsetY)
{
}

void EndingMoveReset::undo()
{
    target->endingOffsetX = oldOffset.x();
    target->endingOffsetY = oldOffset.y();
}

void EndingMoveReset::redo()
{
    target->endingOffsetX = 0.0;
    target->endingOffsetY = 0.0;
}

SlurShiftChange::SlurShiftChange(Score *score, Notation *slur, double newShift1, double newShift2)
    : score(score), slur(slur), oldShift1(slur->slurControlY1), oldShift2(slur->slurControlY2),
      newShift1(newShift1), newShift2(newShift2)
{
}

void SlurShiftChange::undo()
{
    slur->slurControlY1 = oldShift1;
    slur->slurControlY2 = oldShift2;
}

void SlurShiftChange::redo()
{
    slur->slurControlY1 = newShift1;
    slur->slurControlY2 = newShift2;
}

TieReverseUserCommand::TieReverseUserCommand(Score *score, Note *note) : score(score), note(note) {}

void TieReverseUserCommand::undo()
{
    note->tieReverse = !note->tieReverse;
}

void TieReverseUserCommand::redo()
{
    note->tieReverse = !note->tieReverse;
}

SlurReverseUserCommand::SlurReverseUserCommand(Score *score, Notation *slur, int newPlacement)
    : score(score), slur(slur), newPlacement(newPlacement), oldPlacement(slur->userPlacement)
{
}

void SlurReverseUserCommand::undo()
{
    slur->userPlacement = oldPlacement;
}

void SlurReverseUserCommand::redo()
{
    oldPlacement = slur->userPlacement;
    slur->userPlacement = newPlacement;
}

ResetNoteShift::ResetNoteShift(Score *score, Note *note)
    : score(score), note(note), oldShiftMajor(note->noteShiftMajor), oldShiftSub(note->noteShiftSub)
{
}

void ResetNoteShift::undo()
{
    note->noteShiftMajor = oldShiftMajor;
    note->noteShiftSub = oldShiftSub;
}

void ResetNoteShift::redo()
{
    note->noteShiftMajor = 0.0;
    note->noteShiftSub = 0.0;
}
