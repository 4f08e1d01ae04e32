// Score: the one entry through which undo commands reach the stack, and the
// macro that an open UndoMacro begins there at its first push.
#include "model/score.h"

#include <QUndoStack>

void Score::pushCommand(QUndoCommand *command)
{
    // An edit writes into the document, which a released score no longer
    // has; the command never runs.
    if (refuseReleased()) {
        delete command;
        return;
    }
    // Beginning the macro here rather than in the guard is what keeps an
    // action without changes off the stack.
    if (openMacroGuards > 0 && !macroBegun) {
        undoStack->beginMacro(pendingMacroName);
        macroBegun = true;
    }
    undoStack->push(command);
}

void Score::closeMacroGuard()
{
    if (--openMacroGuards > 0)
        return;
    if (macroBegun)
        undoStack->endMacro();
    macroBegun = false;
    pendingMacroName.clear();
}
