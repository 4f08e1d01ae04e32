// The prompter of the windowed program: the toolkit's real dialogs. Installed
// by main() before the main window exists.
#pragma once

#include "platform/prompter.h"

class QtPrompter : public Prompter
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    int choose(QWidget *parent, const QString &title, const QString &text,
               const QStringList &buttons, int defaultIndex, int escape) override;
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
    int runDialog(QDialog *dialog) override;
    QAction *menu(QMenu *popup, const QPoint &pos) override;
};
