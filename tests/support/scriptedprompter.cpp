#include "support/scriptedprompter.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace TestSupport {

namespace {
ScriptedPrompter::Prompt makePrompt(const QString &kind, const QString &title, const QString &text)
{
    ScriptedPrompter::Prompt prompt;
    prompt.kind = kind;
    prompt.title = title;
    prompt.text = text;
    return prompt;
}
} // namespace

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
    integerAnswers.clear();
    beeps = 0;
    dialogScripts.clear();
    onAsked = nullptr;
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
    prompts.append(makePrompt(QStringLiteral("information"), title, text));
}

void ScriptedPrompter::warning(QWidget *, const QString &title, const QString &text)
{
    prompts.append(makePrompt(QStringLiteral("warning"), title, text));
}

QMessageBox::StandardButton ScriptedPrompter::question(QWidget *, const QString &title,
                                                       const QString &text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton)
{
    Prompt prompt = makePrompt(QStringLiteral("question"), title, text);
    prompt.buttons = buttons;
    prompt.defaultButton = defaultButton;
    prompts.append(prompt);
    if (onAsked)
        onAsked(prompt);
    return questionAnswers.isEmpty() ? defaultButton : questionAnswers.dequeue();
}

QString ScriptedPrompter::nextFile(const QString &kind, const QString &caption,
                                   const QString &folder, const QString &filter)
{
    Prompt prompt = makePrompt(kind, caption, QString());
    prompt.folder = folder;
    prompt.filter = filter;
    prompts.append(prompt);
    if (onAsked)
        onAsked(prompt);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPrompter::openFileName(QWidget *, const QString &caption, const QString &dir,
                                       const QString &filter)
{
    return nextFile(QStringLiteral("openFileName"), caption, dir, filter);
}

QString ScriptedPrompter::saveFileName(QWidget *, const QString &caption, const QString &dir,
                                       const QString &filter)
{
    return nextFile(QStringLiteral("saveFileName"), caption, dir, filter);
}

QString ScriptedPrompter::existingDirectory(QWidget *, const QString &caption, const QString &dir)
{
    return nextFile(QStringLiteral("existingDirectory"), caption, dir, QString());
}

QFont ScriptedPrompter::font(bool *ok, const QFont &initial, QWidget *, const QString &title)
{
    prompts.append(makePrompt(QStringLiteral("font"), title, QString()));
    fontsOffered.append(initial);
    const bool answered = !fontAnswers.isEmpty();
    if (ok)
        *ok = answered;
    return answered ? fontAnswers.dequeue() : initial;
}

QString ScriptedPrompter::item(QWidget *, const QString &title, const QString &label,
                               const QStringList &items, int current, bool *ok)
{
    Prompt prompt = makePrompt(QStringLiteral("item"), title, label);
    prompt.items = items;
    prompt.current = current;
    prompts.append(prompt);
    // A null answer in the queue stands for one cancelled input.
    const QString answer = itemAnswers.isEmpty() ? QString() : itemAnswers.dequeue();
    const bool answered = !answer.isNull();
    if (ok)
        *ok = answered;
    if (answered)
        return answer;
    return items.value(current);
}

int ScriptedPrompter::integer(QWidget *, const QString &title, const QString &label, int value,
                              int minimum, int maximum, int step, bool *ok)
{
    Prompt prompt = makePrompt(QStringLiteral("integer"), title, label);
    prompt.value = value;
    prompt.minimum = minimum;
    prompt.maximum = maximum;
    prompt.step = step;
    prompts.append(prompt);
    const bool answered = !integerAnswers.isEmpty();
    if (ok)
        *ok = answered;
    return answered ? integerAnswers.dequeue() : value;
}

void ScriptedPrompter::beep()
{
    ++beeps;
}

int ScriptedPrompter::runDialog(QDialog *dialog)
{
    prompts.append(makePrompt(QStringLiteral("dialog"), dialog->windowTitle(), QString()));
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
    prompts.append(makePrompt(QStringLiteral("menu"), popup->title(), QString()));
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
