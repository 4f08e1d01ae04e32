// Score: the directive commands of the context menu.
#include "model/score.h"

void Score::directiveCommand1() {}

void Score::directiveCommand2() {}

void Score::directiveCommand3() {}

void Score::directiveCommand4() {}

void Score::directiveCommand5() {}
