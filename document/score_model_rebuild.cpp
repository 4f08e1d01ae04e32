// Score's deliberate rebuild of the model from a document text, the only
// path besides loading on which model objects are replaced.
#include "model/score.h"

bool Score::rebuildModel(const QString &text)
{
    // The loader releases the old model, and all that points into it, only
    // once the new one stands.
    if (!loadText(text))
        return false;
    documentText = text;
    ghostNotes = false;
    reload = false;
    return true;
}
