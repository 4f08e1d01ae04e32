// Score: deleting the selected symbols.
#include "model/score.h"

void Score::deleteSelectedSymbol() {}
