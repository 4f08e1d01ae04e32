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
