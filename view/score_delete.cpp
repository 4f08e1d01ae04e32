// Score: deleting the selected symbols (break marks and note directives).
#include "model/score.h"

#include "document/directive_type.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/note.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/undomacro.h"

#include <QGraphicsItem>

namespace {

// The long-repeat family: their deletion gives the repeated notes back.
bool isLongRepeatType(int type)
{
    switch (type) {
    case DirectiveType::LongRepeatSimile:
    case DirectiveType::LongRepeat:
    case DirectiveType::LongRepeat2:
    case DirectiveType::LongRepeat3:
    case DirectiveType::LongRepeat4:
    case DirectiveType::LongRepeatAccel:
    case DirectiveType::LongRepeatBeat1:
    case DirectiveType::LongRepeatBeat2:
    case DirectiveType::LongStepUp:
    case DirectiveType::LongStepDown:
        return true;
    default:
        return false;
    }
}

} // namespace

void Score::deleteSelectedSymbol()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    int pushed = 0;
    {
        UndoMacro macro(this, QStringLiteral("Delete Directives"));
        for (const QGraphicsItem *item : selected) {
            if (QUndoCommand *command = makeDeleteCommand(item)) {
                pushCommand(command);
                ++pushed;
            }
        }
    }
    if (pushed > 0)
        generateScore();
}

QUndoCommand *Score::makeDeleteCommand(const QGraphicsItem *item)
{
    const QVariant type = item->data(TagType);
    if (!type.isValid())
        return nullptr;
    QUndoCommand *command = nullptr;
    // A break mark's measure counts in the score's measure list; the mark
    // of a not-fitted break goes as its fitted form does, to no break.
    Measure *measure = measures.value(itemTag(item, TagMeasure));
    switch (type.toInt()) {
    case 1:
        if (measure) {
            command = new DeleteLineBreak(this, measure);
            command->setText(QStringLiteral("DeleteLineBreak"));
        }
        break;
    case 2:
        if (measure) {
            command = new DeletePageBreak(this, measure);
            command->setText(QStringLiteral("DeletePageBreak"));
        }
        break;
    case 3:
        if (measure) {
            command = new DeleteWhitePageBreak(this, measure);
            command->setText(QStringLiteral("DeleteWhitePageBreak"));
        }
        break;
    case DirectiveItem: {
        const ItemTags t = readItemTags(item);
        Note *note = noteAt(t.measure, t.part, t.voice, t.note);
        Directive *directive = note ? note->directives.value(t.index) : nullptr;
        if (!directive)
            break;
        if (isLongRepeatType(getDirectiveType(directive->text))) {
            command = new DirectiveDeleteLongRepeat(this, note, directive);
            command->setText(QStringLiteral("delete directive long repeat"));
        } else {
            command = new DirectiveDelete(this, note, directive);
            command->setText(QStringLiteral("delete directive"));
        }
        break;
    }
    default:
        break;
    }
    return command;
}
