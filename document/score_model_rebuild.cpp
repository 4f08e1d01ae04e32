// Score's deliberate rebuild of the model from a document text, the only
// path besides loading on which model objects are replaced.
#include "model/score.h"

#include <QUndoStack>

bool Score::rebuildModel(const QString &text)
{
    // The undo history goes with the old model; edits it held that were
    // not saved must still count as changes for the close and exit
    // questions.
    const bool unsavedEdits = !undoStack->isClean();
    // The loader releases the old model, and all that points into it, only
    // once the new one stands.
    if (!loadText(text))
        return false;
    documentText = text;
    ghostNotes = false;
    reload = false;
    // A macro an open guard had begun was cleared with the stack; a later
    // push begins it again.
    macroBegun = false;
    if (unsavedEdits)
        setChanged(true);
    return true;
}
