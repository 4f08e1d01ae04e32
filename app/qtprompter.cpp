#include "app/qtprompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>

void QtPrompter::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

void QtPrompter::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

QMessageBox::StandardButton QtPrompter::question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString QtPrompter::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtPrompter::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    // The dialog itself adds the extension, so that its question about
    // replacing a file is asked about the file that will be written.
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtPrompter::existingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QFont QtPrompter::font(bool *ok, const QFont &initial, QWidget *parent, const QString &title)
{
    return QFontDialog::getFont(ok, initial, parent, title);
}

QString QtPrompter::item(QWidget *parent, const QString &title, const QString &label,
                         const QStringList &items, int current, bool *ok)
{
    return QInputDialog::getItem(parent, title, label, items, current, false, ok);
}

int QtPrompter::integer(QWidget *parent, const QString &title, const QString &label, int value,
                        int minimum, int maximum, int step, bool *ok)
{
    return QInputDialog::getInt(parent, title, label, value, minimum, maximum, step, ok);
}

void QtPrompter::beep()
{
    QApplication::beep();
}

int QtPrompter::runDialog(QDialog *dialog)
{
    return dialog->exec();
}

QAction *QtPrompter::menu(QMenu *popup, const QPoint &pos)
{
    return popup->exec(pos);
}
