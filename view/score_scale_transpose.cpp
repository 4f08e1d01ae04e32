// Score: editing scale and transpose directives.
#include "model/score.h"

void Score::noteDirectiveScaleChangeCommand() {}

void Score::noteDirectiveTransposeChangeCommand() {}

void Score::transposeChange(int) {}
