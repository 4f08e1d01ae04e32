#include "app/qtprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>

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

int QtPrompter::choose(QWidget *parent, const QString &title, const QString &text,
                       const QStringList &buttons, int defaultIndex, int escape)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> shown;
    for (int i = 0; i < buttons.size(); ++i) {
        const QMessageBox::ButtonRole role = i == escape ? QMessageBox::RejectRole
                                                         : QMessageBox::AcceptRole;
        shown << box.addButton(buttons.at(i), role);
    }
    if (defaultIndex >= 0 && defaultIndex < shown.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(shown.at(defaultIndex)));
    if (escape >= 0 && escape < shown.size())
        box.setEscapeButton(shown.at(escape));
    box.exec();
    const int chosen = shown.indexOf(box.clickedButton());
    return chosen >= 0 ? chosen : escape;
}

QString QtPrompter::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtPrompter::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    // The dialog would ask about replacing the name as typed ("gift.v2"),
    // not the file that will be written ("gift.v2.pdf"): the question is
    // asked here, once the name has its format's extension.
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        QString problem;
        const QString path = withFormatSuffix(dialog.selectedFiles().constFirst(), filter, problem);
        if (!problem.isEmpty()) {
            QMessageBox::warning(parent, caption, problem);
            continue;
        }
        if (!QFileInfo::exists(path))
            return path;
        const auto answer = QMessageBox::question(
            parent, caption,
            QCoreApplication::translate("QtPrompter",
                                        "%1 already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes)
            return path;
        dialog.selectFile(path);
    }
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
