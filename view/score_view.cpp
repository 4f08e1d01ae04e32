// Score: the view: zoom, scrolling, painting and the view slots.
#include "model/score.h"

void Score::slurShiftControl() {}
