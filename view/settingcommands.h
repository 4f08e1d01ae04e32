// The undo commands that change settings objects of a score (page, style,
// part settings), the user breaks between measures, the user scale of
// measures and marks, and the multi-measure-rest switch. None regenerates:
// the pusher does so after pushing. The pusher sets the text.
//
// Each command holds the Score and its target by pointer without owning
// them; the settings copies it makes are its own. A pushed command belongs
// to the undo stack.
#pragma once

#include <QList>
#include <QUndoCommand>

#include <memory>

class Directive;
class Direction;
class Measure;
class Notation;
class Page;
class Part;
class Score;
class Style;

// Copies the settings into the score's own Page, which the scene and the
// navigator keep holding.
class UpdatePage : public QUndoCommand
{
public:
    UpdatePage(Score *score, const Page *newSettings);
    ~UpdatePage() override;

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    std::unique_ptr<Page> oldPage;
    std::unique_ptr<Page> newPage;
};

class UpdateStyle : public QUndoCommand
{
public:
    UpdateStyle(Score *score, const Style *newSettings);
    ~UpdateStyle() override;

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    std::unique_ptr<Style> oldStyle;
    std::unique_ptr<Style> newStyle;
};

// Copies part settings into the score's own Part objects, so nothing that
// holds a part sees it replaced. `newSettings` has one entry per part of
// the score, in order.
class UpdatePart : public QUndoCommand
{
public:
    UpdatePart(Score *score, const QList<Part *> &newSettings);
    ~UpdatePart() override;

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    QList<Part *> oldParts; // owned
    QList<Part *> newParts; // owned

private:
    void apply(const QList<Part *> &settings);
};

// A measure's user break (UserBreakType) set to one value; undo gives back
// the break the measure had, so no break and no fitting of the user's is
// lost.
class UserBreakChange : public QUndoCommand
{
public:
    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Measure *measure = nullptr;
    int oldBreak = 0;
    int newBreak = 0;

protected:
    UserBreakChange(Score *score, Measure *measure, int newBreak);
};

class InsertLineBreak : public UserBreakChange
{
public:
    InsertLineBreak(Score *score, Measure *measure);
};

class InsertPageBreak : public UserBreakChange
{
public:
    InsertPageBreak(Score *score, Measure *measure);
};

class InsertWhitePageBreak : public UserBreakChange
{
public:
    InsertWhitePageBreak(Score *score, Measure *measure);
};

class DeleteLineBreak : public UserBreakChange
{
public:
    DeleteLineBreak(Score *score, Measure *measure);
};

class DeletePageBreak : public UserBreakChange
{
public:
    DeletePageBreak(Score *score, Measure *measure);
};

// Traces its construction, redo and undo.
class DeleteWhitePageBreak : public UserBreakChange
{
public:
    DeleteWhitePageBreak(Score *score, Measure *measure);

    void undo() override;
    void redo() override;
};

// Turns a fitted break into the same break not fitted to the page and
// back (1 and 4, 2 and 5, 3 and 6); no break stays none. Its own inverse.
class ChangeBreakFitting : public QUndoCommand
{
public:
    ChangeBreakFitting(Score *score, Measure *measure);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Measure *measure = nullptr;

private:
    void swapFitting();
};

// The user scale (1.0 unscaled) of one target.
class ScaleChange : public QUndoCommand
{
public:
    void undo() override;
    void redo() override;

    Score *score = nullptr;
    double oldScale = 1.0;
    double newScale = 1.0;

protected:
    ScaleChange(Score *score, double *scale, double newScale);

private:
    double *scale = nullptr; // the target's field
};

class ScaleMeasure : public ScaleChange
{
public:
    ScaleMeasure(Score *score, Measure *target, double newScale);
    Measure *target = nullptr;
};

class ScaleNotation : public ScaleChange
{
public:
    ScaleNotation(Score *score, Notation *target, double newScale);
    Notation *target = nullptr;
};

class ScaleDirection : public ScaleChange
{
public:
    ScaleDirection(Score *score, Direction *target, double newScale);
    Direction *target = nullptr;
};

class ScaleDirective : public ScaleChange
{
public:
    ScaleDirective(Score *score, Directive *target, double newScale);
    Directive *target = nullptr;
};

// Every measure unscaled; the kept scales are in measure order.
class ResetMeasureScale : public QUndoCommand
{
public:
    explicit ResetMeasureScale(Score *score);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    QList<double> oldScales;
};

// Switches the style's multi-measure rests; the next regeneration merges
// runs of empty measures, or no longer does.
class MultiMeasureRests : public QUndoCommand
{
public:
    explicit MultiMeasureRests(Score *score);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    bool oldValue = false;
};
