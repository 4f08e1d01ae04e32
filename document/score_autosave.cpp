// Score: the autosave timer's slot.
#include "model/score.h"

void Score::autoSave()
{
    if (!changedSinceAutoSave)
        return;
    // The autosave file is written here once the score-file writer exists;
    // until then only the flag is kept.
    changedSinceAutoSave = false;
}
