// Score: tracking the selection of the scene.
#include "model/score.h"

void Score::selectionChanged() {}
