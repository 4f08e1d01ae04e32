// The undo commands for the fonts and the writing direction of direction
// and credit texts, and for the visibility of notations and directions.
// Only CreditFontChange regenerates (a credit's size decides the header
// depth of the first page); for the others the pusher or the main window
// does. The pusher sets the text.
//
// Each command holds the Score and its target by pointer without owning
// them.
#pragma once

#include <QFont>
#include <QUndoCommand>

class Credit;
class Direction;
class Notation;
class Score;

class SetTextFont : public QUndoCommand
{
public:
    SetTextFont(Score *score, Direction *direction, const QFont &newFont);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Direction *direction = nullptr;
    bool oldFontGiven = false;
    QFont oldFont;
    QFont newFont;
};

// Back to the style's font: redo clears only the flag, so the direction's
// own font is still there for the undo.
class ResetTextFont : public QUndoCommand
{
public:
    ResetTextFont(Score *score, Direction *direction);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Direction *direction = nullptr;
    bool oldFontGiven = false;
    QFont oldFont;
};

// Gives the credit and its text item the font, then regenerates the score.
class CreditFontChange : public QUndoCommand
{
public:
    CreditFontChange(Score *score, Credit *credit, const QFont &newFont);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Credit *credit = nullptr;
    bool oldFontGiven = false;
    QFont oldFont;
    QFont newFont;

private:
    void apply(const QFont &font, bool given);
};

// TextDirection: 0 default, 1 horizontal, 2 vertical, 3 vertical writing.
class SetTextRotation : public QUndoCommand
{
public:
    SetTextRotation(Score *score, Direction *direction, int newRotation);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Direction *direction = nullptr;
    int oldRotation = 0;
    int newRotation = 0;
};

class SetCreditRotation : public QUndoCommand
{
public:
    SetCreditRotation(Score *score, Credit *credit, int newRotation);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Credit *credit = nullptr;
    int oldRotation = 0;
    int newRotation = 0;
};

// ItemVisibility: 0 default, 1 visible, 2 invisible.
class ChangeVisibilityNotation : public QUndoCommand
{
public:
    ChangeVisibilityNotation(Score *score, Notation *notation, int newVisibility);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Notation *notation = nullptr;
    int oldVisibility = 0;
    int newVisibility = 0;
};

class ChangeVisibilityDirection : public QUndoCommand
{
public:
    ChangeVisibilityDirection(Score *score, Direction *direction, int newVisibility);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Direction *direction = nullptr;
    int oldVisibility = 0;
    int newVisibility = 0;
};
