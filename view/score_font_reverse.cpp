// Score: font change, reversal of slurs and ties, and the note-shift reset.
#include "model/score.h"

void Score::fontChangeCommand() {}

void Score::reverseCommands() {}

void Score::resetNoteShiftCommand() {}
