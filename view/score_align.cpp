// Score: aligning the selected items.
#include "model/score.h"

void Score::alignItemsHorizontallyCommand() {}

void Score::alignItemsVerticallyCommand() {}
