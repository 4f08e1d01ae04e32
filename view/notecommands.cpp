#include "view/notecommands.h"

#include "document/directive_type.h"
#include "model/directive.h"
#include "model/lyrics.h"
#include "model/note.h"
#include "model/score.h"

namespace {

// The note flag a directive of `kind` stands for, set as the directive is
// live (`live`) or not. Kinds without a flag change nothing.
void switchNoteFlag(Note *note, int kind, bool live)
{
    switch (kind) {
    case DirectiveType::NoPrev:
        note->noPrev = live;
        break;
    case DirectiveType::Pizz:
        note->hajiki = live;
        break;
    case DirectiveType::OtsuDoubleQuote:
        note->otsuDoubleQuote = live;
        break;
    case DirectiveType::Invisible:
        note->visible = !live;
        break;
    default:
        break;
    }
}

// The long-repeat kind of the directive's kind, or the note's own when the
// directive is no long repeat.
int longRepeatKindFor(const Note *note, const Directive *directive)
{
    const int kind = DirectiveType::longRepeatKind(directive->kind);
    return kind != 0 ? kind : note->longRepeatKind;
}

} // namespace

DirectiveAdd::DirectiveAdd(Score *score, Note *note, Directive *directive)
    : score(score), note(note), directive(directive)
{
    note->directives.append(directive);
}

void DirectiveAdd::undo()
{
    directive->deleted = true;
    switchNoteFlag(note, directive->kind, false);
}

void DirectiveAdd::redo()
{
    directive->deleted = false;
    switchNoteFlag(note, directive->kind, true);
}

DirectiveAddLongRepeat::DirectiveAddLongRepeat(Score *score, Note *note, int newCount,
                                               Directive *directive)
    : score(score), note(note), directive(directive), newCount(newCount)
{
    note->directives.append(directive);
}

void DirectiveAddLongRepeat::undo()
{
    directive->deleted = true;
    note->longRepeatCount = oldCount;
}

void DirectiveAddLongRepeat::redo()
{
    directive->deleted = false;
    oldCount = note->longRepeatCount;
    note->longRepeatCount = newCount;
    note->longRepeatKind = longRepeatKindFor(note, directive);
}

DirectiveDelete::DirectiveDelete(Score *score, Note *note, Directive *directive)
    : score(score), note(note), directive(directive)
{
}

void DirectiveDelete::undo()
{
    directive->deleted = false;
    switchNoteFlag(note, directive->kind, true);
    if (directive->kind == DirectiveType::QuotedText)
        note->directName = directive->displayText;
}

void DirectiveDelete::redo()
{
    directive->deleted = true;
    switchNoteFlag(note, directive->kind, false);
    if (directive->kind == DirectiveType::QuotedText)
        note->directName.clear();
}

DirectiveDeleteLongRepeat::DirectiveDeleteLongRepeat(Score *score, Note *note, Directive *directive)
    : score(score), note(note), directive(directive), oldCount(note->longRepeatCount)
{
    note->longRepeatKind = longRepeatKindFor(note, directive);
}

void DirectiveDeleteLongRepeat::undo()
{
    directive->deleted = false;
    note->longRepeatCount = oldCount;
}

void DirectiveDeleteLongRepeat::redo()
{
    directive->deleted = true;
    note->longRepeatCount = 0;
}

DirectiveReplace::DirectiveReplace(Score *score, Directive *directive, const QString &newText)
    : score(score), directive(directive), oldText(directive->text), newText(newText)
{
}

void DirectiveReplace::undo()
{
    write(oldText);
}

void DirectiveReplace::redo()
{
    write(newText);
}

void DirectiveReplace::write(const QString &text)
{
    directive->text = text;
    directive->displayText = Score::getDirectiveText(text);
}

NoteNameChange::NoteNameChange(Score *score, Note *note, const QString &newName)
    : score(score), note(note), oldName(note->directName), newName(newName)
{
}

void NoteNameChange::undo()
{
    note->directName = oldName;
}

void NoteNameChange::redo()
{
    note->directName = newName;
}

ReplaceNotePitch::ReplaceNotePitch(Score *score, Note *note, const QString &step, int alter,
                                   int octave)
    : score(score), note(note), oldStep(note->step), newStep(step), oldAlter(note->alter),
      newAlter(alter), oldOctave(note->octave), newOctave(octave)
{
}

void ReplaceNotePitch::undo()
{
    note->step = oldStep;
    note->alter = oldAlter;
    note->octave = oldOctave;
}

void ReplaceNotePitch::redo()
{
    note->step = newStep;
    note->alter = newAlter;
    note->octave = newOctave;
}

DeleteLyric::DeleteLyric(Lyrics *lyric) : lyric(lyric) {}

void DeleteLyric::undo()
{
    lyric->deleted = false;
}

void DeleteLyric::redo()
{
    lyric->deleted = true;
}
