// The one seam through which the program asks or tells the user anything:
// message boxes, questions, file, font and item pickers, popup menus and
// the beep.
// Code below the main window asks through Prompter::instance() and never
// shows a dialog itself. The program installs QtPrompter (real dialogs,
// app/qtprompter.h) at start-up, the command-line renderer one that writes
// to standard error, and tests a scripted one, so that nothing ever blocks
// on a modal box. Until one is installed, SilentPrompter answers.
#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) = 0;

    // Asks with buttons in the caller's own words (at most three) and
    // returns the index of the one chosen; `escape` when the box was closed.
    // Here the buttons are asked as Yes, No and Cancel through question(),
    // so a prompter that shows no boxes answers them as it answers those.
    virtual int choose(QWidget *parent, const QString &title, const QString &text,
                       const QStringList &buttons, int defaultIndex, int escape);

    // Empty result: the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    // The save picker's answer, with the first extension of `filter`
    // ("PDF files (*.pdf)" gives ".pdf") added to a name whose extension is
    // none of the filter's; empty when the user cancelled or typed no
    // usable name (then warned). Every save and export asks here.
    QString savePath(QWidget *parent, const QString &caption, const QString &dir,
                     const QString &filter);
    // "pdf" for "PDF files (*.pdf)"; empty for a filter without one.
    static QString defaultSuffix(const QString &filter);
    // `path` with the first extension of `filter` added unless it already
    // ends in one of the filter's: "gift.v2" gives "gift.v2.tnsx", "Op. 5"
    // "Op. 5.tnsx", "gift." "gift.tnsx". Empty, with the reason in
    // `problem`, for a name that is nothing but dots and extensions
    // ("...", ".tnsx").
    static QString withFormatSuffix(const QString &path, const QString &filter, QString &problem);
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &dir) = 0;

    // *ok is false when the user cancelled; the result is then `initial`.
    virtual QFont font(bool *ok, const QFont &initial, QWidget *parent, const QString &title) = 0;
    virtual QString item(QWidget *parent, const QString &title, const QString &label,
                         const QStringList &items, int current, bool *ok) = 0;
    // *ok is false when the user cancelled; the result is then `value`.
    virtual int integer(QWidget *parent, const QString &title, const QString &label, int value,
                        int minimum, int maximum, int step, bool *ok) = 0;

    virtual void beep() = 0;

    // Runs `dialog` modally (the caller keeps it and has connected its
    // signals) and returns its result code. A prompter that shows no
    // dialogs answers QDialog::Rejected without showing it.
    virtual int runDialog(QDialog *dialog);

    // Shows `popup` at the global position `pos` and returns the action
    // the user chose, which has then been triggered; null when none was
    // chosen. A prompter that shows no menus chooses none.
    virtual QAction *menu(QMenu *popup, const QPoint &pos);

    // The prompter in force: the one installed, else a SilentPrompter.
    static Prompter &instance();
    // Not owned; pass nullptr to return to the SilentPrompter.
    static void install(Prompter *prompter);
};

// The answers of a user who is not there, for code that runs without a
// window: messages vanish, questions take their default answer and every
// picker, dialog and menu is cancelled.
class SilentPrompter : public Prompter
{
public:
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
};
