// Score: editing scale and transpose directives in place, through the scale
// editor and the transpose dialog.
#include "model/score.h"

#include "dialogs/dialogtranspose.h"
#include "dialogs/scaledialog.h"
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/note.h"
#include "model/part.h"
#include "platform/prompter.h"
#include "view/notecommands.h"
#include "view/scene.h"

#include <QDebug>
#include <QGraphicsItem>

namespace {

bool isScaleKind(int kind)
{
    return kind == DirectiveType::Scale || kind == DirectiveType::ScaleSangen;
}

} // namespace

// The directive whose item is the first selected item, with its note and
// part; null when that item is no directive's.
Directive *Score::firstSelectedDirective(Note **note, int *partIndex) const
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const ItemTags t = readItemTags(selected.first());
    if (t.type != DirectiveItem)
        return nullptr;
    *note = noteAt(t.measure, t.part, t.voice, t.note);
    *partIndex = t.part;
    return *note ? (*note)->directives.value(t.index) : nullptr;
}

void Score::noteDirectiveScaleChangeCommand()
{
    Note *note = nullptr;
    int partIndex = 0;
    Directive *directive = firstSelectedDirective(&note, &partIndex);
    if (!directive || !isScaleKind(directive->kind))
        return;
    openScaleEditor(note, partIndex, directive, false);
}

void Score::editScaleDirective(Note *note, int partIndex, int directiveIndex)
{
    Directive *directive = note ? note->directives.value(directiveIndex) : nullptr;
    if (!directive)
        return;
    // Called for a newly imported score: the message tells which part's
    // tuning is asked for.
    openScaleEditor(note, partIndex, directive, true);
}

void Score::openScaleEditor(Note *note, int partIndex, Directive *directive, bool withMessage)
{
    // The editor starts from the scale the note leaves behind.
    QString preceding;
    const Part *part = parts.value(partIndex);
    if (part && note->scaleIndex > 0)
        preceding = part->scaleTexts.value(note->scaleIndex - 1);

    scaleDialog = new ScaleDialog(this);
    scaleDialog->retranslate();
    connect(scaleDialog, &ScaleDialog::sigScaleUpdated, this, &Score::scaleChange);
    scaleDialog->setDialog(note, preceding, directive->text);
    if (withMessage)
        scaleDialog->setMessage(tr("Edit scale for part: %1.\nSelect a scale note in the list "
                                   "and change pitch.")
                                    .arg(partIndex + 1));
    Prompter::instance().runDialog(scaleDialog);
    // Made per use: its edits have reached the score through Apply and OK.
    delete scaleDialog;
    scaleDialog = nullptr;
}

void Score::scaleChange(const QString &scaleText)
{
    Note *note = scaleDialog ? scaleDialog->getNote() : nullptr;
    if (!note)
        return;
    for (Directive *directive : std::as_const(note->directives)) {
        if (directive->deleted || !isScaleKind(directive->kind))
            continue;
        const QString prefix = directive->kind == DirectiveType::Scale
                                   ? QStringLiteral(".scale")
                                   : QStringLiteral(".scaleSangen");
        auto *command = new DirectiveReplace(this, directive, prefix + scaleText);
        command->setText(QStringLiteral("directive replace for scale change"));
        pushCommand(command);
        setChanged(true);
        generateScore();
        return;
    }
}

void Score::noteDirectiveTransposeChangeCommand()
{
    Note *note = nullptr;
    int partIndex = 0;
    Directive *directive = firstSelectedDirective(&note, &partIndex);
    if (!directive || directive->kind != DirectiveType::Transpose)
        return;
    editTranspose(directive);
}

void Score::transposeChange(int step)
{
    Directive *directive = transposeDialog->getDirective();
    if (!directive)
        return;
    qDebug() << "transposeChange5 ";
    auto *command = new DirectiveReplace(
        this, directive, QStringLiteral(".transpose{") + QString::number(step) + QLatin1Char('}'));
    command->setText(QStringLiteral("directive transpose change"));
    pushCommand(command);
    setChanged(true);
    generateScore();
}
