#include "support/scriptedprompter.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace TestSupport {

void ScriptedPrompter::reset()
{
    prompts.clear();
    questionAnswers.clear();
    fileAnswers.clear();
    fontAnswers.clear();
    fontsOffered.clear();
    menus.clear();
    menuAnswers.clear();
    itemAnswers.clear();
    beeps = 0;
    dialogScripts.clear();
}

QStringList ScriptedPrompter::texts(const QString &kind) const
{
    QStringList result;
    for (const Prompt &prompt : prompts) {
        if (kind.isEmpty() || prompt.kind == kind)
            result << prompt.text;
    }
    return result;
}

void ScriptedPrompter::information(QWidget *, const QString &title, const QString &text)
{
    prompts.append({QStringLiteral("information"), title, text});
}

void ScriptedPrompter::warning(QWidget *, const QString &title, const QString &text)
{
    prompts.append({QStringLiteral("warning"), title, text});
}

QMessageBox::StandardButton ScriptedPrompter::question(QWidget *, const QString &title,
                                                       const QString &text,
                                                       QMessageBox::StandardButtons,
                                                       QMessageBox::StandardButton defaultButton)
{
    prompts.append({QStringLiteral("question"), title, text});
    return questionAnswers.isEmpty() ? defaultButton : questionAnswers.dequeue();
}

QString ScriptedPrompter::nextFile(const QString &kind, const QString &caption)
{
    prompts.append({kind, caption, QString()});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPrompter::openFileName(QWidget *, const QString &caption, const QString &,
                                       const QString &)
{
    return nextFile(QStringLiteral("openFileName"), caption);
}

QString ScriptedPrompter::saveFileName(QWidget *, const QString &caption, const QString &,
                                       const QString &)
{
    return nextFile(QStringLiteral("saveFileName"), caption);
}

QString ScriptedPrompter::existingDirectory(QWidget *, const QString &caption, const QString &)
{
    return nextFile(QStringLiteral("existingDirectory"), caption);
}

QFont ScriptedPrompter::font(bool *ok, const QFont &initial, QWidget *, const QString &title)
{
    prompts.append({QStringLiteral("font"), title, QString()});
    fontsOffered.append(initial);
    const bool answered = !fontAnswers.isEmpty();
    if (ok)
        *ok = answered;
    return answered ? fontAnswers.dequeue() : initial;
}

QString ScriptedPrompter::item(QWidget *, const QString &title, const QString &label,
                               const QStringList &items, int current, bool *ok)
{
    prompts.append({QStringLiteral("item"), title, label});
    const bool answered = !itemAnswers.isEmpty();
    if (ok)
        *ok = answered;
    if (answered)
        return itemAnswers.dequeue();
    return items.value(current);
}

void ScriptedPrompter::beep()
{
    ++beeps;
}

int ScriptedPrompter::runDialog(QDialog *dialog)
{
    prompts.append({QStringLiteral("dialog"), dialog->windowTitle(), QString()});
    return dialogScripts.isEmpty() ? int(QDialog::Rejected) : dialogScripts.dequeue()(dialog);
}

namespace {

// The entries of `menu` and its submenus, depth first, and the action of
// each entry that is no submenu.
void collectEntries(const QMenu *menu, const QString &prefix,
                    QList<ScriptedPrompter::MenuEntry> *entries, QList<QAction *> *actions)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString path = prefix + action->text();
        if (const QMenu *sub = QMenu::menuInAction(action)) {
            collectEntries(sub, path + QLatin1Char('/'), entries, actions);
            continue;
        }
        entries->append({path, action->isEnabled(), action->data().toString()});
        actions->append(action);
    }
}

} // namespace

QAction *ScriptedPrompter::menu(QMenu *popup, const QPoint &)
{
    prompts.append({QStringLiteral("menu"), popup->title(), QString()});
    QList<MenuEntry> entries;
    QList<QAction *> actions;
    collectEntries(popup, QString(), &entries, &actions);
    menus.append(entries);
    const QString answer = menuAnswers.isEmpty() ? QString() : menuAnswers.dequeue();
    for (int i = 0; i < entries.size(); ++i) {
        if (answer.isEmpty() || entries.at(i).path != answer || !entries.at(i).enabled)
            continue;
        actions.at(i)->trigger();
        return actions.at(i);
    }
    return nullptr;
}

} // namespace TestSupport
