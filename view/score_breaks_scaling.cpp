// Score: user breaks on the selected measures, and longer or shorter
// selected measures, notations, directions and directives.
#include "model/direction.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/undomacro.h"

#include <QGraphicsItem>

namespace {

// A measure item carries type 0; an item without a written tag would read
// as one, so only a written tag counts.
bool isMeasureItem(const QGraphicsItem *item)
{
    const QVariant tag = item->data(TagType);
    return tag.isValid() && tag.toInt() == 0;
}

// The factors of one click; a direction's little step is half that of a
// measure or mark.
constexpr double largeStep = 1.1;
constexpr double littleStep = 1.01;
constexpr double littleDirectionStep = 1.005;

} // namespace

void Score::insertBreaks(const QString &macroName, const QString &commandText,
                         const std::function<QUndoCommand *(Measure *)> &make)
{
    setSelectedMeasures();
    {
        UndoMacro macro(this, macroName);
        const QList<QGraphicsItem *> selected = scene->selectedItems();
        for (const QGraphicsItem *item : selected) {
            if (!isMeasureItem(item))
                continue;
            Measure *measure = displayedMeasures.value(itemTag(item, TagMeasure));
            if (!measure)
                continue;
            QUndoCommand *command = make(measure);
            command->setText(commandText);
            pushCommand(command);
        }
    }
    generateScore();
    reselectMeasures();
}

void Score::insertLineBreak()
{
    insertBreaks(QStringLiteral("InsertLineBreak"), QStringLiteral("InsertLineBreak"),
                 [this](Measure *m) { return new InsertLineBreak(this, m); });
}

void Score::insertPageBreak()
{
    insertBreaks(QStringLiteral("insertPageBreak"), QStringLiteral("InsertPageBreak"),
                 [this](Measure *m) { return new InsertPageBreak(this, m); });
}

void Score::insertWhitePageBreak()
{
    insertBreaks(QStringLiteral("InsertWhitePageBreak"), QStringLiteral("InsertWhitePageBreak"),
                 [this](Measure *m) { return new InsertWhitePageBreak(this, m); });
}

void Score::scaleItemsCommand(bool longer, bool little)
{
    setSelectedMeasures();
    setSelectedNotationItems();
    setSelectedDirections();
    setSelectedDirectiveItems();
    const double step = little ? littleStep : largeStep;
    const double directionStep = little ? littleDirectionStep : largeStep;
    const auto scaled = [longer](double scale, double factor) {
        return longer ? scale * factor : scale / factor;
    };
    {
        UndoMacro macro(this, QStringLiteral("measure scale change"));
        // Pushing changes no selection, so one read of it serves the loop.
        const QList<QGraphicsItem *> selected = scene->selectedItems();
        for (const QGraphicsItem *item : selected) {
            const QVariant type = item->data(TagType);
            if (!type.isValid())
                continue;
            int m = 0, p = 0, v = 0, n = 0, k = 0;
            QUndoCommand *command = nullptr;
            switch (type.toInt()) {
            case 0:
                if (Measure *measure = displayedMeasures.value(itemTag(item, TagMeasure))) {
                    command = new ScaleMeasure(this, measure, scaled(measure->userScale, step));
                    command->setText(QStringLiteral("ScaleMeasure"));
                }
                break;
            case NotationItem: {
                getNotationItemTag(item, &m, &p, &v, &n, &k);
                const Note *note = noteAt(m, p, v, n);
                if (Notation *notation = note ? note->notations.value(k) : nullptr) {
                    command = new ScaleNotation(this, notation, scaled(notation->scale, step));
                    command->setText(QStringLiteral("ScaleNotation"));
                }
                break;
            }
            case DirectionItem:
                getDirectionItemTag(item, &m, &p, &v, &k);
                if (Direction *direction = directionAt(m, p, v, k)) {
                    command = new ScaleDirection(this, direction,
                                                 scaled(direction->scale, directionStep));
                    command->setText(QStringLiteral("ScaleDirection"));
                }
                break;
            case DirectiveItem: {
                getDirectiveItemTag(item, &m, &p, &v, &n, &k);
                const Note *note = noteAt(m, p, v, n);
                // A directive's scale step has no text of its own.
                if (Directive *directive = note ? note->directives.value(k) : nullptr)
                    command = new ScaleDirective(this, directive, scaled(directive->scale, step));
                break;
            }
            default:
                break;
            }
            if (command)
                pushCommand(command);
        }
    }
    // Automatic line breaking keeps the breaks it found; longer measures
    // need them found again.
    if (page->autoNewline)
        clearMeasureLineFlags();
    generateScore();
    reselectMeasures();
    reselectNotationItems();
    reselectDirectionItems();
    reselectDirectiveItems();
}
