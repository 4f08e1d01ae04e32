// Score: the item context menu (chosen by the first selected item, its
// texts), the fitting switch of breaks, and the view's double click and
// file drops.
#include "model/score.h"

#include "dialogs/dialogtranspose.h"
#include "dialogs/notenamedialog.h"
#include "document/directive_type.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/notefonts.h"
#include "model/note.h"
#include "model/part.h"
#include "platform/prompter.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/undomacro.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGraphicsItem>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {


// Break marks carry 1 (line), 2 (page) or 3 (white page), also for the
// not-fitted forms of each break.
bool isBreakMark(const QGraphicsItem *item)
{
    const QVariant tag = item->data(TagType);
    return tag.isValid() && tag.toInt() >= 1 && tag.toInt() <= 3;
}

void addSubmenu(QMenu *menu, const QString &title, const QList<QAction *> &actions)
{
    menu->addMenu(title)->addActions(actions);
}

} // namespace

void Score::retranslateContextMenu()
{
    noteNameDialog->retranslate();
    transposeDialog->retranslate();
    actFontProperty->setText(tr("Font Property"));
    actResetPosition->setText(tr("Reset Position"));
    actResetScale->setText(tr("Reset Scale"));
    actHorizontal->setText(tr("Horizontal"));
    actVertical->setText(tr("Vertical"));
    actVerticalWriting->setText(tr("Vertical Writing"));
    actDefaultDirection->setText(tr("Default"));
    actAlignHorizontally->setText(tr("Horizontally"));
    actAlignVertically->setText(tr("Vertically"));
    actOtsuToDoubleQuote->setText(tr("Change Otsu to \""));
    actDoubleQuoteToOtsu->setText(tr("Change \" to Otsu"));
    actChangeNoteName->setText(tr("Change Note Name"));
    actEditScale->setText(tr("Edit Scale"));
    actEnterTransposeStep->setText(tr("Enter Transpose Steps"));
    actDelete->setText(tr("Delete"));
    actChangeFitting->setText(tr("Change Fitting"));
    actResetNoteShift->setText(tr("Reset Note Shift"));
    // These keep their construction texts, in the language now in force.
    actSetFont->setText(tr("Set Font"));
    actDefaultFont->setText(tr("Default Font"));
    actDefaultVisibility->setText(tr("Default"));
    actVisible->setText(tr("Visible"));
    actInvisible->setText(tr("Invisible"));
    actSlurCurveController->setText(tr("Slur Curve Controller..."));
    actInvertSlur->setText(tr("Invert Slur"));
    actInvertTie->setText(tr("Invert Tie"));
}

std::unique_ptr<QMenu> Score::buildContextMenu()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    // A direction's menu disables these for itself only.
    actResetPosition->setEnabled(true);
    actDefaultFont->setEnabled(true);

    auto menu = std::make_unique<QMenu>(this);
    if (!fillContextMenu(menu.get(), selected.first(), selected.size() > 1))
        return nullptr;
    return menu;
}

bool Score::fillContextMenu(QMenu *menu, const QGraphicsItem *first, bool several)
{
    const auto addAlign = [&] {
        if (several)
            addSubmenu(menu, tr("Align"), {actAlignHorizontally, actAlignVertically});
    };
    const auto addVisibility = [&] {
        addSubmenu(menu, tr("Set Visibility"), {actDefaultVisibility, actVisible, actInvisible});
    };

    const QVariant tag = first->data(TagType);
    if (!tag.isValid())
        return false;
    if (isBreakMark(first)) {
        menu->addActions({actDelete, actChangeFitting});
        return true;
    }
    const ItemTags t = readItemTags(first);
    const Note *note = noteAt(t.measure, t.part, t.voice, t.note);
    switch (t.type) {
    case 0:
        menu->addAction(actResetScale);
        return true;
    case CreditItem:
        menu->addActions({actFontProperty, actResetPosition});
        addAlign();
        addSubmenu(menu, tr("Direction"),
                   {actHorizontal, actVertical, actVerticalWriting, actDefaultDirection});
        return true;
    case NotationItem: {
        const Notation *notation = note ? note->notations.value(t.index) : nullptr;
        if (!notation)
            return false;
        menu->addAction(actResetPosition);
        const int kind = notation->kind;
        if (kind == NotationKind::Slur) {
            qDebug().noquote().nospace()
                << "contextMenuEvent notation->notationType (slur) = " << kind;
            menu->addActions({actSlurCurveController, actInvertSlur});
        } else if (kind != 7 && kind != 12 && kind <= 17) {
            menu->addAction(actResetScale);
        }
        addVisibility();
        addAlign();
        return true;
    }
    case LyricItem:
    case EndingItem:
    case FingeringItem:
    case HarmonicItem:
    case UpBowItem:
    case StoppedItem:
        menu->addAction(actResetPosition);
        addAlign();
        return true;
    case DirectionItem: {
        const Direction *direction = directionAt(t.measure, t.part, t.voice, t.index);
        if (!direction)
            return false;
        actResetPosition->setEnabled(direction->moved);
        menu->addActions({actResetPosition, actResetScale});
        addAlign();
        const int kind = direction->kind;
        if (kind == DirectionKind::Crescendo || kind == DirectionKind::Diminuendo ||
            kind == DirectionKind::LineStart) {
            addVisibility();
        } else if (kind >= DirectionKind::Coda && kind <= DirectionKind::LastRepeatWord) {
            addSubmenu(menu, tr("Direction"), {actHorizontal, actVertical, actDefaultDirection});
        } else if (kind == DirectionKind::Words) {
            qDebug().noquote() << "contextMenuEvent direction type = Words";
            actDefaultFont->setEnabled(direction->fontGiven);
            addSubmenu(menu, tr("Font"), {actSetFont, actDefaultFont});
            addSubmenu(menu, tr("Direction"),
                       {actHorizontal, actVertical, actVerticalWriting, actDefaultDirection});
            addVisibility();
        }
        return true;
    }
    case OctaveInstItem:
        if (!note)
            return false;
        menu->addAction(actResetPosition);
        addAlign();
        if (note->otsuDoubleQuote)
            menu->addAction(actDoubleQuoteToOtsu);
        else if (note->octaveInstMark == QLatin1String("Otsu"))
            menu->addAction(actOtsuToDoubleQuote);
        return true;
    case NoteItem: {
        const Part *part = parts.value(t.part);
        if (!note || !part)
            return false;
        if (part->notationStyle == NotationStyle::StaffNotation) {
            menu->addActions({actResetNoteShift, actInvertTie});
            return true;
        }
        directiveAction1->setText(tr("Inhibit Note Repeat"));
        directiveAction1->setData(QStringLiteral(".noPrev"));
        directiveAction2->setText(tr("Add Long Repeat 1"));
        directiveAction2->setData(QStringLiteral(".longRepeat{1}"));
        menu->addActions({actChangeNoteName, directiveAction1, directiveAction2});
        return true;
    }
    case DirectiveItem: {
        const Directive *directive = note ? note->directives.value(t.index) : nullptr;
        if (!directive)
            return false;
        const int type = getDirectiveType(directive->text);
        if (type == DirectiveType::Scale || type == DirectiveType::ScaleSangen)
            menu->addActions({actEditScale, actResetPosition});
        else if (type == DirectiveType::Transpose)
            menu->addActions({actEnterTransposeStep, actResetPosition});
        else
            menu->addActions({actResetPosition, actResetScale});
        addAlign();
        menu->addAction(actDelete);
        return true;
    }
    default:
        return false;
    }
}

void Score::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu follows the selection, not the item under the mouse.
    if (std::unique_ptr<QMenu> menu = buildContextMenu())
        Prompter::instance().menu(menu.get(), event->globalPos());
    event->accept();
}

void Score::changeBreakFitting()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    int pushed = 0;
    {
        UndoMacro macro(this, QStringLiteral("Change Break Fitting"));
        for (const QGraphicsItem *item : selected) {
            if (!isBreakMark(item))
                continue;
            Measure *measure = measures.value(itemTag(item, TagMeasure));
            if (!measure)
                continue;
            auto *command = new ChangeBreakFitting(this, measure);
            command->setText(QStringLiteral("ChangeBreakFitting"));
            pushCommand(command);
            ++pushed;
        }
    }
    if (pushed > 0)
        generateScore();
}

void Score::mouseDoubleClickEvent(QMouseEvent *event)
{
    qDebug().noquote() << "mouseDoubleClickEvent";
    slurShiftControl();
    event->accept();
}

void Score::dragEnterEvent(QDragEnterEvent *event)
{
    // Plain text first: a list of URLs also counts as text to the toolkit.
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(QStringLiteral("text/plain")))
        qDebug().noquote() << "dragEnterEvent in Score hasText";
    else if (data->hasUrls())
        qDebug().noquote() << "dragEnterEvent in Score  hasUrls";
    else
        qDebug().noquote() << "dragEnterEvent  in Score Else";
    event->acceptProposedAction();
}

void Score::dropEvent(QDropEvent *event)
{
    qDebug().noquote() << "dropEvent  in Score Entered.";
    const QMimeData *data = event->mimeData();
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls()) {
            qDebug().noquote() << "dropEvent in Score  Url= " + url.toString();
            if (!url.isLocalFile())
                continue;
            const QString path = url.path(QUrl::FullyDecoded);
            qDebug().noquote() << "dropEvent  in Score Url.path= " + path;
            emit sigDropFile(path);
        }
    }
    event->acceptProposedAction();
}
