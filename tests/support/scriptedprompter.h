// A prompter for tests: records every prompt and answers from queues the
// test fills beforehand. With an empty queue it answers as a user who
// cancels (the question's default button, an empty file name, no font).
#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QQueue>

#include <functional>

namespace TestSupport {

class ScriptedPrompter : public Prompter
{
public:
    struct Prompt
    {
        QString kind; // "information", "warning", "question", "openFileName", ...
        QString title;
        QString text; // the message, or the label of an item or integer input
        // Question: its buttons and default button.
        QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        // File and folder pickers: the start folder and the filter.
        QString folder;
        QString filter;
        // Item input: the offered items and the current row.
        QStringList items;
        int current = -1;
        // Integer input: start value, range and step.
        int value = 0;
        int minimum = 0;
        int maximum = 0;
        int step = 0;
    };

    QList<Prompt> prompts;
    QQueue<QMessageBox::StandardButton> questionAnswers;
    QQueue<QString> fileAnswers; // for open, save and directory pickers
    QQueue<QFont> fontAnswers;
    QList<QFont> fontsOffered;   // the initial font of each font picker, in order
    QQueue<QString> itemAnswers; // a null QString answers as a cancel
    QQueue<int> integerAnswers;
    int beeps = 0;
    // Each runs in place of one modal dialog, in order: it may emit the
    // dialog's signals, and returns the result code. With none left the
    // dialog is closed at once (Rejected).
    QQueue<std::function<int(QDialog *)>> dialogScripts;

    // One entry of a shown menu: its text, with the titles of the submenus
    // it sits in before it ("Align/Horizontally"), whether it could be
    // chosen, and its data as text.
    struct MenuEntry
    {
        QString path;
        bool enabled = true;
        QString data;
    };
    // The entries of every menu shown, in order.
    QList<QList<MenuEntry>> menus;
    // The path of the entry to choose in each menu, in order; an empty
    // path, a path the menu lacks, a disabled entry or an empty queue
    // chooses none.
    QQueue<QString> menuAnswers;
    // Called with each question and file-picker prompt as it is asked, so
    // a test can look at the program's state while the user is asked.
    std::function<void(const Prompt &)> onAsked;

    void reset();
    // The texts of all prompts of one kind (empty kind: all), in order.
    QStringList texts(const QString &kind = QString()) const;

    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir) override;
    QFont font(bool *ok, const QFont &initial, QWidget *parent, const QString &title) override;
    QString item(QWidget *parent, const QString &title, const QString &label,
                 const QStringList &items, int current, bool *ok) override;
    int integer(QWidget *parent, const QString &title, const QString &label, int value, int minimum,
                int maximum, int step, bool *ok) override;
    void beep() override;
    // Recorded as kind "dialog" with the dialog's window title.
    int runDialog(QDialog *dialog) override;
    // Recorded as kind "menu"; the chosen action is triggered, as a real
    // menu does.
    QAction *menu(QMenu *popup, const QPoint &pos) override;

private:
    QString nextFile(const QString &kind, const QString &caption, const QString &folder,
                     const QString &filter);
};

} // namespace TestSupport
