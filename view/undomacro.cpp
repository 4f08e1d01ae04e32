#include "view/undomacro.h"

#include "model/score.h"

UndoMacro::UndoMacro(Score *score, const QString &name) : score(score)
{
    if (score->openMacroGuards == 0) {
        score->pendingMacroName = name;
        score->macroBegun = false;
    }
    ++score->openMacroGuards;
}

UndoMacro::~UndoMacro()
{
    score->closeMacroGuard();
}
