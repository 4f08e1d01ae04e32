// One user action as one undo step. An UndoMacro begins the undo macro
// `name` only at the first Score::pushCommand made while it lives, and ends
// it when it goes, so an action that pushes nothing leaves no step. A guard
// made while another lives joins the outer one's macro (its own name is not
// used), so helpers that open their own guard nest into the caller's step.
//
// The guard lives on the stack of the code that edits; it holds the Score
// without owning it and must not outlive it.
#pragma once

#include <QString>

class Score;

class UndoMacro
{
public:
    UndoMacro(Score *score, const QString &name);
    ~UndoMacro();

    UndoMacro(const UndoMacro &) = delete;
    UndoMacro &operator=(const UndoMacro &) = delete;

private:
    Score *score = nullptr;
};
