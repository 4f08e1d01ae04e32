// Score: resets of positions and scales, text fonts, text direction,
// visibility and the switch between the Otsu mark and the double quote.
#include "model/score.h"

#include "document/directive_type.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "platform/prompter.h"
#include "view/flowmarks.h"
#include "view/movecommands.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/textcommands.h"
#include "view/undomacro.h"

#include <QDebug>
#include <QGraphicsItem>

namespace {


// A command whose text is its class name.
QUndoCommand *named(QUndoCommand *command, const char *text)
{
    command->setText(QString::fromLatin1(text));
    return command;
}

// A measure item carries type 0; an item without a written tag would read
// as one, so only a written tag counts.
bool isResettableMeasureItem(const QGraphicsItem *item)
{
    const QVariant tag = item->data(TagType);
    return tag.isValid() && tag.toInt() == 0;
}

} // namespace

QUndoCommand *Score::makeMoveResetCommand(const QGraphicsItem *item)
{
    const ItemTags t = readItemTags(item);
    Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    switch (t.type) {
    case NotationItem:
        if (Notation *notation = note ? note->notations.value(t.index) : nullptr)
            return named(new NotationMoveReset(this, notation), "NotationMoveReset");
        break;
    case DirectiveItem: {
        Directive *directive = note ? note->directives.value(t.index) : nullptr;
        // A mark of the note flow takes no offset; only one an older file
        // stored is worth clearing.
        if (directive && (directive->moved || !inNoteFlow(directive)))
            return named(new DirectiveMoveReset(this, directive), "DirectiveMoveReset");
        break;
    }
    case DirectionItem:
        if (Direction *direction = directionAt(t.measure, t.part, t.voice, t.index))
            return named(new DirectionMoveReset(this, direction), "DirectionMoveReset");
        break;
    case CreditItem:
        if (Credit *credit = credits.value(t.index))
            return named(new CreditMoveReset(this, credit), "CreditMoveReset");
        break;
    case OctaveInstItem:
        if (note)
            return named(new OctaveInstMoveReset(this, note), "OctaveInstMoveReset");
        break;
    case LyricItem:
        if (Lyrics *lyric = note ? note->lyrics.value(t.index) : nullptr)
            return named(new LyricMoveReset(this, lyric), "LyricMoveReset");
        break;
    case EndingItem:
        if (Measure *measure = measures.value(t.measure))
            return named(new EndingMoveReset(this, measure), "EndingMoveReset");
        break;
    case FingeringItem:
        if (Fingering *fingering = note ? note->fingerings.value(t.index) : nullptr)
            return named(new FingeringMoveReset(this, fingering), "FingeringMoveReset");
        break;
    case HarmonicItem:
        if (note && note->harmonic)
            return named(new HarmonicMoveReset(this, note->harmonic), "HarmonicMoveReset");
        break;
    case UpBowItem:
        if (note && note->upBow)
            return named(new UpBowMoveReset(this, note->upBow), "UpBowMoveReset");
        break;
    case StoppedItem:
        if (note && note->stopped)
            return named(new StoppedMoveReset(this, note->stopped), "StoppedMoveReset");
        break;
    default:
        break;
    }
    return nullptr;
}

void Score::resetMoveCommand()
{
    // Pushing a reset changes no scene item, so one read of the selection
    // serves the loop.
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    {
        UndoMacro macro(this, QStringLiteral("resetMoveCommand"));
        for (const QGraphicsItem *item : selected) {
            if (QUndoCommand *command = makeMoveResetCommand(item))
                pushCommand(command);
        }
    }
    scene->clearGuideLine();
    setChanged(true);
    generateScore();
}

void Score::resetAllMoveCommand(int type)
{
    {
        UndoMacro macro(this, QStringLiteral("resetMoveCommand"));
        for (const Measure *measure : std::as_const(measures)) {
            for (int p = 0; p < numParts && p < measure->parts.size(); ++p) {
                // An unmade voice holds no notes.
                for (const Voice *voice : measure->parts.at(p)->voices.madeVoices()) {
                    for (const Note *note : voice->notes)
                        pushAllMoveResets(note, type);
                }
            }
        }
    }
    setChanged(true);
    generateScore();
}

void Score::pushAllMoveResets(const Note *note, int type)
{
    if (type == LyricItem) {
        for (Lyrics *lyric : note->lyrics)
            pushCommand(named(new LyricMoveReset(this, lyric), "LyricMoveReset"));
    } else if (type == NotationItem) {
        // Slurs keep the shape the user gave them.
        for (Notation *notation : note->notations) {
            if (notation->moved && notation->kind != NotationKind::Slur)
                pushCommand(named(new NotationMoveReset(this, notation), "NotationMoveReset"));
        }
    }
}

void Score::setTextFontCommand()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    Direction *first = nullptr;
    for (const QGraphicsItem *item : selected) {
        if (item->data(TagType).toInt() != DirectionItem)
            continue;
        const ItemTags t = readItemTags(item);
        first = directionAt(t.measure, t.part, t.voice, t.index);
        if (first)
            break;
    }
    if (!first)
        return;

    bool ok = false;
    const QFont initial = first->fontGiven ? first->font : style->textFont;
    const QFont chosen = Prompter::instance().font(&ok, initial, this, QString());
    if (ok) {
        {
            UndoMacro macro(this, QStringLiteral("setTextFont"));
            for (const QGraphicsItem *item : selected) {
                if (item->data(TagType).toInt() != DirectionItem)
                    continue;
                const ItemTags t = readItemTags(item);
                Direction *direction = directionAt(t.measure, t.part, t.voice, t.index);
                if (!direction)
                    continue;
                pushCommand(named(new SetTextFont(this, direction, chosen), "SetTextFont"));
                qDebug().noquote() << "font =" << chosen.toString();
            }
        }
        generateScore();
    }
    qDebug().noquote() << "font = " + first->font.toString();
}

void Score::resetTextFontCommand()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    {
        UndoMacro macro(this, QStringLiteral("resetTextFont"));
        for (const QGraphicsItem *item : selected) {
            if (item->data(TagType).toInt() != DirectionItem)
                continue;
            const ItemTags t = readItemTags(item);
            if (Direction *direction = directionAt(t.measure, t.part, t.voice, t.index))
                pushCommand(named(new ResetTextFont(this, direction), "ResetTextFont"));
        }
    }
    setChanged(true);
    generateScore();
}

void Score::setTextDirectionCommand(int direction)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    {
        UndoMacro macro(this, QStringLiteral("resetTextRotation"));
        for (const QGraphicsItem *item : selected) {
            const ItemTags t = readItemTags(item);
            if (t.type == CreditItem) {
                if (Credit *credit = credits.value(t.index))
                    pushCommand(named(new SetCreditRotation(this, credit, direction),
                                      "Set Credit Rotation"));
            } else if (t.type == DirectionItem) {
                if (Direction *target = directionAt(t.measure, t.part, t.voice, t.index))
                    pushCommand(
                        named(new SetTextRotation(this, target, direction), "Set Text Rotation"));
            }
        }
    }
    setChanged(true);
    generateScore();
}

void Score::setTextHorizontalCommand()
{
    setTextDirectionCommand(1);
}

void Score::setTextVerticalCommand()
{
    setTextDirectionCommand(2);
}

void Score::setTextVerticalWritingCommand()
{
    setTextDirectionCommand(3);
}

void Score::setTextDefaultDirectionCommand()
{
    setTextDirectionCommand(0);
}

void Score::changeVisibilityCommand(int visibility)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    {
        UndoMacro macro(this, QStringLiteral("change notation visibility"));
        for (const QGraphicsItem *item : selected) {
            const ItemTags t = readItemTags(item);
            if (t.type == NotationItem) {
                const Note *note = noteAt(t.measure, t.part, t.voice, t.note);
                if (Notation *notation = note ? note->notations.value(t.index) : nullptr)
                    pushCommand(named(new ChangeVisibilityNotation(this, notation, visibility),
                                      "ChangeVisibilityNotation"));
            } else if (t.type == DirectionItem) {
                if (Direction *direction = directionAt(t.measure, t.part, t.voice, t.index))
                    pushCommand(named(new ChangeVisibilityDirection(this, direction, visibility),
                                      "ChangeVisibilityDirection"));
            }
        }
    }
    setChanged(true);
    generateScore();
}

void Score::setDefaultVisibilityCommand()
{
    changeVisibilityCommand(0);
}

void Score::setVisibleCommand()
{
    changeVisibilityCommand(1);
}

void Score::setInvisibleCommand()
{
    changeVisibilityCommand(2);
}

void Score::setDoubleQuoteOtsu(bool toDoubleQuote)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    {
        UndoMacro macro(this, QStringLiteral("otsuDoubleQuoteCommand"));
        for (const QGraphicsItem *item : selected) {
            const ItemTags t = readItemTags(item);
            if (t.type != OctaveInstItem)
                continue;
            Note *note = noteAt(t.measure, t.part, t.voice, t.note);
            if (!note)
                continue;
            // A selection may mix both marks: a note keeps at most one
            // live double quote, and switching back takes every one away.
            const int index = noteDirectiveIndex(note, DirectiveType::OtsuDoubleQuote);
            if (toDoubleQuote) {
                if (index < 0)
                    addDirectiveToNote(note, QStringLiteral(".otsuDoubleQuote"));
                continue;
            }
            if (index < 0) {
                qDebug().noquote().nospace() << "setDoubleQuoteOtsu reset directive not found!! "
                                                "BUG======= ";
                continue;
            }
            for (Directive *directive : std::as_const(note->directives)) {
                if (!directive->deleted &&
                    getDirectiveType(directive->text) == DirectiveType::OtsuDoubleQuote)
                    pushCommand(
                        named(new DirectiveDelete(this, note, directive), "delete directive"));
            }
        }
    }
    setChanged(true);
    generateScore();
}

void Score::otsuDoubleQuoteCommand()
{
    setDoubleQuoteOtsu(true);
}

void Score::otsuResetDoubleQuoteCommand()
{
    setDoubleQuoteOtsu(false);
}

void Score::resetScaleCommand()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    {
        UndoMacro macro(this, QStringLiteral("resetScaleCommand"));
        for (const QGraphicsItem *item : selected) {
            if (QUndoCommand *command = makeScaleResetCommand(item))
                pushCommand(command);
        }
    }
    setChanged(true);
    generateScore();
}

QUndoCommand *Score::makeScaleResetCommand(const QGraphicsItem *item)
{
    if (isResettableMeasureItem(item)) {
        // A measure area's tag counts in the displayed measures.
        Measure *measure = displayedMeasures.value(itemTag(item, TagMeasure));
        return measure ? named(new ScaleMeasure(this, measure, 1.0), "Scale") : nullptr;
    }
    const ItemTags t = readItemTags(item);
    const Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    switch (t.type) {
    case NotationItem:
        if (Notation *notation = note ? note->notations.value(t.index) : nullptr)
            return new ScaleNotation(this, notation, 1.0);
        break;
    case DirectiveItem:
        if (Directive *directive = note ? note->directives.value(t.index) : nullptr)
            return new ScaleDirective(this, directive, 1.0);
        break;
    case DirectionItem:
        if (Direction *direction = directionAt(t.measure, t.part, t.voice, t.index))
            return new ScaleDirection(this, direction, 1.0);
        break;
    default:
        break;
    }
    return nullptr;
}
