#include "view/textcommands.h"

#include "drawing/mytextitem.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/notation.h"
#include "model/score.h"

SetTextFont::SetTextFont(Score *score, Direction *direction, const QFont &newFont)
    : score(score), direction(direction), oldFontGiven(direction->fontGiven),
      oldFont(direction->font), newFont(newFont)
{
}

void SetTextFont::undo()
{
    direction->font = oldFont;
    direction->fontGiven = oldFontGiven;
}

void SetTextFont::redo()
{
    direction->font = newFont;
    direction->fontGiven = true;
}

ResetTextFont::ResetTextFont(Score *score, Direction *direction)
    : score(score), direction(direction), oldFontGiven(direction->fontGiven),
      oldFont(direction->font)
{
}

void ResetTextFont::undo()
{
    direction->font = oldFont;
    direction->fontGiven = oldFontGiven;
}

void ResetTextFont::redo()
{
    direction->fontGiven = false;
}

CreditFontChange::CreditFontChange(Score *score, Credit *credit, const QFont &newFont)
    : score(score), credit(credit), oldFontGiven(credit->fontGiven), oldFont(credit->font),
      newFont(newFont)
{
}

void CreditFontChange::undo()
{
    apply(oldFont, oldFontGiven);
}

void CreditFontChange::redo()
{
    apply(newFont, true);
}

void CreditFontChange::apply(const QFont &font, bool given)
{
    credit->font = font;
    credit->fontGiven = given;
    // The item shows the font until the regeneration replaces it; the
    // regeneration then sizes the header for the credit's new extent.
    if (auto *item = dynamic_cast<MyTextItem *>(credit->item))
        item->setFont(font);
    score->generateScore();
}

SetTextRotation::SetTextRotation(Score *score, Direction *direction, int newRotation)
    : score(score), direction(direction), oldRotation(direction->rotation), newRotation(newRotation)
{
}

void SetTextRotation::undo()
{
    direction->rotation = oldRotation;
}

void SetTextRotation::redo()
{
    direction->rotation = newRotation;
}

SetCreditRotation::SetCreditRotation(Score *score, Credit *credit, int newRotation)
    : score(score), credit(credit), oldRotation(credit->rotation), newRotation(newRotation)
{
}

void SetCreditRotation::undo()
{
    credit->rotation = oldRotation;
}

void SetCreditRotation::redo()
{
    credit->rotation = newRotation;
}

ChangeVisibilityNotation::ChangeVisibilityNotation(Score *score, Notation *notation,
                                                   int newVisibility)
    : score(score), notation(notation), oldVisibility(notation->visibility),
      newVisibility(newVisibility)
{
}

void ChangeVisibilityNotation::undo()
{
    notation->visibility = oldVisibility;
}

void ChangeVisibilityNotation::redo()
{
    notation->visibility = newVisibility;
}

ChangeVisibilityDirection::ChangeVisibilityDirection(Score *score, Direction *direction,
                                                     int newVisibility)
    : score(score), direction(direction), oldVisibility(direction->visibility),
      newVisibility(newVisibility)
{
}

void ChangeVisibilityDirection::undo()
{
    direction->visibility = oldVisibility;
}

void ChangeVisibilityDirection::redo()
{
    direction->visibility = newVisibility;
}
