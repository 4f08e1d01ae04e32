// Score: changing note names: the note-name dialog on the selected note and
// giving the chosen name to every selected note.
#include "model/score.h"

#include "dialogs/notenamedialog.h"
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/note.h"
#include "platform/prompter.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QGraphicsItem>

namespace {

bool isNamedNoteGlyph(const QGraphicsItem *item)
{
    const QVariant type = item->data(TagType);
    return type.isValid() && type.toInt() == NoteItem;
}

} // namespace

void Score::noteNameChangeCommand()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    const auto glyph = std::find_if(selected.cbegin(), selected.cend(), isNamedNoteGlyph);
    if (glyph == selected.cend())
        return;
    const ItemTags t = readItemTags(*glyph);
    const Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    if (!note)
        return;
    QStringList names = getNoteNameList(note);
    // A grace note cannot be a repeat sign, so that name is no choice.
    if (note->grace)
        names.removeAll(QStringLiteral("Repeat"));
    if (names.size() < 2)
        return;
    const QString current = note->directName.isEmpty() ? note->noteName : note->directName;
    const int row = std::max(0, int(names.indexOf(current)));
    noteNameDialog->setDialog(parts.value(t.part), names, row);
    Prompter::instance().runDialog(noteNameDialog);
}

void Score::noteNameChangeApply(const QString &name)
{
    {
        UndoMacro macro(this, QStringLiteral("NoteNameChange"));
        for (int i = 0; i < scene->selectedItems().size(); ++i) {
            const QGraphicsItem *item = scene->selectedItems().at(i);
            if (!isNamedNoteGlyph(item))
                continue;
            const ItemTags t = readItemTags(item);
            if (Note *note = noteAt(t.measure, t.part, t.voice, t.note))
                changeNoteName(note, name, true);
        }
    }
    setChanged(true);
    generateScore();
}

void Score::changeNoteName(Note *note, const QString &name, bool onlyForAlternatives)
{
    const int key = getPitchNumber(note->step, note->alter, note->octave) + note->pitchShift;
    const QStringList names = getNoteNameListOfPitch(note, key);
    if (name == note->noteName)
        return;
    const int quoted = noteDirectiveIndex(note, DirectiveType::QuotedText);
    if (quoted >= 0)
        pushCommand(new DirectiveDelete(this, note, note->directives.at(quoted)));
    // The default name is what the naming gives anyway; only another one
    // needs the quoted text that keeps it in the file.
    if (names.indexOf(name) >= 1 || !onlyForAlternatives) {
        auto *directive = new Directive;
        directive->kind = DirectiveType::QuotedText;
        directive->text = QLatin1Char('\'') + name + QLatin1Char('\'');
        directive->displayText = name;
        pushCommand(new DirectiveAdd(this, note, directive));
    }
    pushCommand(new NoteNameChange(this, note, name));
}
