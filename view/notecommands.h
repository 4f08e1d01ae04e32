// The undo commands that edit what a note carries: its directives (the
// dot-keyword texts, DirectiveType) with the note flags they switch, its
// name text, its pitch, and the deletion of a lyric. None regenerates; the
// pusher or the main window does. The pusher sets the text.
//
// A directive, once given to its note by DirectiveAdd or
// DirectiveAddLongRepeat, stays in the note's list for the note's life (the
// note owns it); undo and delete only mark it deleted. The commands hold
// the Score, the note and the directive by pointer without owning them.
#pragma once

#include <QString>
#include <QUndoCommand>

class Directive;
class Lyrics;
class Note;
class Score;

// Appends `directive` to the note's list at once; redo makes it live,
// undo marks it deleted, each switching the note flag of its kind.
class DirectiveAdd : public QUndoCommand
{
public:
    DirectiveAdd(Score *score, Note *note, Directive *directive);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    Directive *directive = nullptr;
};

// Appends a long-repeat directive at once; redo gives the note the new
// repeat count and the directive's long-repeat kind (a kind that is no
// long repeat keeps the note's), undo the count it had at the redo.
class DirectiveAddLongRepeat : public QUndoCommand
{
public:
    DirectiveAddLongRepeat(Score *score, Note *note, int newCount, Directive *directive);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    Directive *directive = nullptr;
    int oldCount = 0;
    int newCount = 0;
};

// Marks the directive deleted (redo) or live (undo), switching the note
// flag of its kind; a quoted text takes the note's name text with it and
// gives it back.
class DirectiveDelete : public QUndoCommand
{
public:
    DirectiveDelete(Score *score, Note *note, Directive *directive);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    Directive *directive = nullptr;
};

// The constructor sets the note's long-repeat kind from the directive, once;
// redo clears the repeat count, undo gives it back.
class DirectiveDeleteLongRepeat : public QUndoCommand
{
public:
    DirectiveDeleteLongRepeat(Score *score, Note *note, Directive *directive);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    Directive *directive = nullptr;
    int oldCount = 0;
};

// A new text for a directive, with the displayed text that follows from it.
class DirectiveReplace : public QUndoCommand
{
public:
    DirectiveReplace(Score *score, Directive *directive, const QString &newText);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Directive *directive = nullptr;
    QString oldText;
    QString newText;

private:
    void write(const QString &text);
};

// The note's name text (Note::directName), the name the user chose. Undo
// gives back the name text it had, empty included, so the note never keeps
// a name it was not given.
class NoteNameChange : public QUndoCommand
{
public:
    NoteNameChange(Score *score, Note *note, const QString &newName);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    QString oldName;
    QString newName;
};

class ReplaceNotePitch : public QUndoCommand
{
public:
    ReplaceNotePitch(Score *score, Note *note, const QString &step, int alter, int octave);

    void undo() override;
    void redo() override;

    Score *score = nullptr;
    Note *note = nullptr;
    QString oldStep;
    QString newStep;
    int oldAlter = 0;
    int newAlter = 0;
    int oldOctave = 0;
    int newOctave = 0;
};

// Only the lyric's deleted flag: the builder leaves a deleted lyric out of
// the document and puts it back once it is live again.
class DeleteLyric : public QUndoCommand
{
public:
    explicit DeleteLyric(Lyrics *lyric);

    void undo() override;
    void redo() override;

    Lyrics *lyric = nullptr;
};
