// Score: resets of positions and scales, text fonts, text direction and
// visibility.
#include "model/score.h"

void Score::resetMoveCommand() {}

void Score::setTextFontCommand() {}

void Score::resetTextFontCommand() {}

void Score::setTextHorizontalCommand() {}

void Score::setTextVerticalCommand() {}

void Score::setTextVerticalWritingCommand() {}

void Score::setTextDefaultDirectionCommand() {}

void Score::setDefaultVisibilityCommand() {}

void Score::setVisibleCommand() {}

void Score::setInvisibleCommand() {}

void Score::otsuDoubleQuoteCommand() {}

void Score::otsuResetDoubleQuoteCommand() {}

void Score::resetScaleCommand() {}
