// Score's staff-notation note worker, as a placeholder that draws nothing.
// Filled by the staff-notation step, which replaces this file.
#include "model/score.h"

void Score::addStaffNote(Measure *, int, int, int, int) {}
