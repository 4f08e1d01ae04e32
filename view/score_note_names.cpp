// Score: changing note names.
#include "model/score.h"

void Score::noteNameChangeCommand() {}

void Score::noteNameChangeApply(const QString &) {}
