// Score: the development menu's operations: the clean refresh from the
// score's own file form, the debug switch and the listing of the undo stack.
#include "document/scorexmlmode.h"
#include "model/score.h"

#include <QDebug>
#include <QUndoStack>

void Score::cleanRefresh()
{
    qDebug().noquote() << "cleanRefresh() entered.";
    // The rebuild keeps the changed flag and turns unsaved history into
    // it. A refused text leaves the old model standing; it is drawn again
    // either way.
    rebuildModel(buildScoreXml(ScoreXmlMode::ScoreFile));
    generateScore();
}

void Score::setDebugSwitch(bool on)
{
    dSw = on;
    if (on)
        qDebug() << "setDebugSwitch this->dSw =" << dSw;
}

void Score::listUndoCommands()
{
    qDebug() << "listUndoCommands in score entered.";
    for (int i = 0; i < undoStack->count(); ++i)
        qDebug() << "undocommand index, name = " << i << undoStack->command(i)->text();
    qDebug() << "undocommand current index (next redo command no) = " << undoStack->index();
}
