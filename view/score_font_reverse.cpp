// Score: font change, reversal of slurs and ties, and the note-shift reset.
#include "model/score.h"

#include "model/credit.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/notefonts.h"
#include "model/note.h"
#include "model/part.h"
#include "model/selectednote.h"
#include "model/voice.h"
#include "platform/prompter.h"
#include "view/movecommands.h"
#include "view/scene.h"
#include "view/textcommands.h"
#include "view/undomacro.h"

#include <QGraphicsItem>

#include <algorithm>

namespace {


// The side a slur is inverted to. A slur placed by neither the user nor
// the file was drawn above (every placement but 2 is), so it goes below.
int invertedPlacement(const Notation *slur)
{
    const int current = slur->userPlacement != 0 ? slur->userPlacement : slur->placement;
    return current == 2 ? 1 : 2;
}

} // namespace

void Score::fontChangeCommand()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    QList<Credit *> chosenCredits;
    for (const QGraphicsItem *item : selected) {
        if (item->data(TagType).toInt() != CreditItem)
            continue;
        if (Credit *credit = credits.value(readItemTags(item).index))
            chosenCredits << credit;
    }
    bool ok = false;
    const QFont initial = chosenCredits.isEmpty() ? QFont() : chosenCredits.first()->font;
    const QFont font = Prompter::instance().font(&ok, initial, this, QString());
    if (!ok)
        return;
    // The commands regenerate the score themselves.
    UndoMacro macro(this, QStringLiteral("credit change"));
    for (Credit *credit : std::as_const(chosenCredits)) {
        auto *command = new CreditFontChange(this, credit, font);
        command->setText(QStringLiteral("CreditFontChange"));
        pushCommand(command);
    }
}

void Score::reverseCommands()
{
    const int count = scene->selectedItems().size();
    if (count == 0)
        return;
    {
        UndoMacro macro(this, QStringLiteral("ReverseCommands"));
        for (int i = 0; i < count; ++i) {
            const QList<QGraphicsItem *> selection = scene->selectedItems();
            if (i >= selection.size())
                break;
            const QGraphicsItem *item = selection.at(i);
            const ItemTags t = readItemTags(item);
            Note *note = noteAt(t.measure, t.part, t.voice, t.note);
            if (!note)
                continue;
            if (t.type == NoteItem) {
                const Part *part = parts.value(t.part);
                if (part && part->notationStyle == NotationStyle::StaffNotation)
                    pushCommand(new TieReverseUserCommand(this, note));
            } else if (t.type == NotationItem) {
                Notation *slur = note->notations.value(t.index);
                if (slur && slur->kind == NotationKind::Slur)
                    pushCommand(new SlurReverseUserCommand(this, slur, invertedPlacement(slur)));
            }
        }
    }
    setChanged(true);
    setSelectedNotes();
    generateScore();
    reselectNoteItems();
}

void Score::resetNoteShiftCommand()
{
    setSelectedNotes();
    {
        UndoMacro macro(this, QStringLiteral("ResetNoteShift"));
        for (const SelectedNote *r : std::as_const(selectedNotes)) {
            const Measure *measure = measures.value(r->measureIndex);
            const MePart *cell = measure ? measure->parts.value(r->partIndex) : nullptr;
            const Voice *voice = cell ? cell->voices.value(r->voiceIndex) : nullptr;
            if (!voice || !voice->notes.value(r->noteIndex))
                continue;
            // Every note of a chord carries the chord's size, so the walk
            // starts at the chord's first note whichever member was
            // selected, and stops at the voice's last note.
            int first = r->noteIndex;
            while (first > 0 && voice->notes.at(first)->chord)
                --first;
            const int size = std::max(1, voice->notes.at(first)->chordSize);
            const int end = std::min(first + size, int(voice->notes.size()));
            for (int i = first; i < end; ++i)
                pushCommand(new ResetNoteShift(this, voice->notes.at(i)));
        }
    }
    setChanged(true);
    generateScore();
}
