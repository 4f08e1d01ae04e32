// Score: the directive commands of the context menu and the palette: adding
// a directive text to the selected notes, long-repeat ranges, and finding a
// note's live directive of one kind.
#include "model/score.h"

#include "dialogs/dialogtranspose.h"
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/voice.h"
#include "platform/prompter.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QAction>
#include <QDebug>
#include <QGraphicsItem>

#include <algorithm>

namespace {

// A selected note glyph read once: its tags and its note.
struct TaggedNote
{
    ItemTags tags;
    Note *note = nullptr;
};

bool isNoteGlyph(const QGraphicsItem *item)
{
    const QVariant type = item->data(TagType);
    return type.isValid() && type.toInt() == NoteItem;
}

const Voice *voiceAt(const QList<Measure *> &measures, int measure, int part, int voice)
{
    const Measure *m = measures.value(measure);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    return cell ? cell->voices.value(voice) : nullptr;
}

// ".longRepeat{7}" with count 3 gives ".longRepeat{3}".
QString withCount(const QString &text, int count)
{
    const int brace = text.indexOf(QLatin1Char('{'));
    const QString head = brace < 0 ? text : text.left(brace);
    return head + QLatin1Char('{') + QString::number(count) + QLatin1Char('}');
}

} // namespace

void Score::directiveCommand1()
{
    runDirectiveAction(directiveAction1);
}

void Score::directiveCommand2()
{
    runDirectiveAction(directiveAction2);
}

void Score::directiveCommand3()
{
    runDirectiveAction(directiveAction3);
}

void Score::directiveCommand4()
{
    runDirectiveAction(directiveAction4);
}

void Score::directiveCommand5()
{
    runDirectiveAction(directiveAction5);
}

void Score::runDirectiveAction(const QAction *action)
{
    if (!action)
        return;
    const QString text = action->data().toString();
    // The context menu has no place for the long-repeat result.
    if (text.startsWith(QLatin1String(".longRepeat")))
        addDirectiveLongRepeat(text);
    else
        addDirectives(text);
}

void Score::addDirectives(QString text)
{
    // A palette group header passes an empty text; a directive without text
    // would only be kept by the file.
    if (text.isEmpty())
        return;
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    // The notes are read before anything is pushed: the transpose dialog
    // below regenerates, which replaces every scene item.
    QList<TaggedNote> targets;
    for (const QGraphicsItem *item : selected) {
        if (!isNoteGlyph(item))
            continue;
        const ItemTags t = readItemTags(item);
        if (Note *note = noteAt(t.measure, t.part, t.voice, t.note))
            targets.append({t, note});
    }
    {
        UndoMacro macro(this, QStringLiteral("Add Directives"));
        for (const TaggedNote &target : std::as_const(targets)) {
            const QString refusal = directiveRefusal(target.note, target.tags.voice, text);
            if (!refusal.isEmpty()) {
                Prompter::instance().warning(this, tr("Velmora"), refusal);
                continue;
            }
            // A koto scale takes the tuning in force at its own note, so
            // each note adapts the caller's text, not a neighbour's.
            QString noteText = text;
            const Part *part = parts.value(target.tags.part);
            if (text.startsWith(QLatin1String(".scale{")) && target.note->scaleIndex >= 0 && part &&
                target.note->scaleIndex < part->scaleTexts.size())
                noteText = QStringLiteral(".scale") + part->scaleTexts.at(target.note->scaleIndex);
            Directive *directive = addDirectiveToNote(target.note, noteText);
            if (directive->kind == DirectiveType::Transpose)
                editTranspose(directive);
        }
    }
    generateScore();
}

QString Score::directiveRefusal(const Note *note, int voiceIndex, const QString &text) const
{
    const QString lowest = tr("Select the lowest note of chord notes.");
    if (text.startsWith(QLatin1String(".scale{"))) {
        if (voiceIndex > 0)
            return tr("Select a voice 1 note.");
        if (noteDirectiveIndex(note, DirectiveType::Scale) >= 0)
            return tr("This note already has a scale.");
        if (note->chord)
            return lowest;
    } else if (text.startsWith(QLatin1String(".scaleSangen{"))) {
        if (noteDirectiveIndex(note, DirectiveType::ScaleSangen) >= 0)
            return tr("This note already has a scale.");
        if (note->chord)
            return lowest;
        if (note->voice != 1)
            return tr("Select the voice 1 note.");
    }
    if (text == QLatin1String(".noPrev")) {
        if (note->chord)
            return lowest;
        if (noteDirectiveIndex(note, DirectiveType::NoPrev) >= 0)
            return tr("This note already has a NoPrev.");
    }
    if ((text == QLatin1String(".(") || text == QLatin1String(".)")) && note->chord)
        return lowest;
    return {};
}

void Score::editTranspose(Directive *directive)
{
    transposeDialog->setDirective(directive);
    transposeDialog->setTransposeIndex(getDirectiveNumber(directive->text) + 12);
    Prompter::instance().runDialog(transposeDialog);
}

Directive *Score::addDirectiveToNote(Note *note, const QString &text)
{
    auto *directive = new Directive;
    directive->kind = getDirectiveType(text);
    directive->text = text;
    directive->displayText = getDirectiveText(text);
    auto *command = new DirectiveAdd(this, note, directive);
    command->setText(QStringLiteral("addDirective") + text);
    pushCommand(command);
    qDebug() << "addDirectiveToNote directive = " << directive->text;
    return directive;
}

int Score::noteDirectiveIndex(const Note *note, int type) const
{
    for (int i = 0; i < note->directives.size(); ++i) {
        const Directive *directive = note->directives.at(i);
        if (!directive->deleted && getDirectiveType(directive->text) == type)
            return i;
    }
    return -1;
}

QSet<const Note *> Score::notesInLongRepeats(int partIndex, int voiceIndex) const
{
    // A long repeat starts at the note holding its count and runs on over
    // that many notes of the voice, across barlines.
    QSet<const Note *> inside;
    int remaining = 0;
    for (int m = 0; m < measures.size(); ++m) {
        const Voice *voice = voiceAt(measures, m, partIndex, voiceIndex);
        if (!voice)
            continue;
        for (const Note *note : voice->notes) {
            remaining = std::max(remaining, note->longRepeatCount);
            if (remaining > 0) {
                inside.insert(note);
                --remaining;
            }
        }
    }
    return inside;
}

int Score::addDirectiveLongRepeat(QString text)
{
    QList<ItemTags> glyphs;
    for (const QGraphicsItem *item : scene->selectedItems()) {
        if (isNoteGlyph(item))
            glyphs.append(readItemTags(item));
    }
    if (glyphs.isEmpty())
        return 0;

    Note *start = nullptr;
    int count = 0;
    if (glyphs.size() == 1) {
        const ItemTags &a = glyphs.at(0);
        start = noteAt(a.measure, a.part, a.voice, a.note);
        if (!start)
            return 0;
        if (start->chord)
            return 1;
        count = 1;
    } else {
        ItemTags a = glyphs.at(0);
        ItemTags b = glyphs.at(1);
        if (b.measure > a.measure + 1)
            qDebug() << "Error addDirective2 , mt << pt << vt << nt = " << b.measure << b.part
                     << b.voice << b.note;
        if (a.part != b.part || a.voice != b.voice)
            return 0;
        // The earlier end is A from here on.
        if (b.measure < a.measure || (b.measure == a.measure && b.note < a.note))
            std::swap(a, b);
        if (b.measure > a.measure + 1)
            return 0;
        const Voice *voiceA = voiceAt(measures, a.measure, a.part, a.voice);
        const Voice *voiceB = voiceAt(measures, b.measure, b.part, b.voice);
        const Note *noteA = voiceA ? voiceA->notes.value(a.note) : nullptr;
        const Note *noteB = voiceB ? voiceB->notes.value(b.note) : nullptr;
        if (!noteA || !noteB)
            return 0;
        // Across a barline only the start must be a chord's first note.
        if (noteA->chord || (a.measure == b.measure && noteB->chord))
            return 1;
        QList<Note *> range;
        if (a.measure == b.measure) {
            range = voiceA->notes.mid(a.note, b.note - a.note + 1);
        } else {
            range = voiceA->notes.mid(a.note);
            range += voiceB->notes.mid(0, b.note + 1);
        }
        const QSet<const Note *> repeated = notesInLongRepeats(a.part, a.voice);
        for (const Note *note : std::as_const(range)) {
            if (repeated.contains(note))
                return 2;
        }
        count = int(range.size());
        start = voiceA->notes.at(a.note);
    }

    const QString rewritten = withCount(text, count);
    auto *directive = new Directive;
    directive->kind = getDirectiveType(rewritten);
    directive->text = rewritten;
    directive->displayText = getDirectiveText(rewritten);
    auto *command =
        new DirectiveAddLongRepeat(this, start, getDirectiveNumber(rewritten), directive);
    command->setText(QStringLiteral("addDirectiveLongRepeat") + rewritten);
    pushCommand(command);
    setChanged(true);
    generateScore();
    return 0;
}
