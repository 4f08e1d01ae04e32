#include "platform/prompter.h"

#include <QDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
Prompter *installedPrompter = nullptr;
}

Prompter &Prompter::instance()
{
    static SilentPrompter silentPrompter;
    return installedPrompter ? *installedPrompter : silentPrompter;
}

void Prompter::install(Prompter *prompter)
{
    installedPrompter = prompter;
}

QString Prompter::defaultSuffix(const QString &filter)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return firstPattern.match(filter).captured(1);
}

QString Prompter::savePath(QWidget *parent, const QString &caption, const QString &dir,
                           const QString &filter)
{
    const QString path = saveFileName(parent, caption, dir, filter);
    const QString suffix = defaultSuffix(filter);
    // File > Open, the recent files and drops know a file by its extension.
    const QFileInfo chosen(path);
    if (path.isEmpty() || suffix.isEmpty() || !chosen.suffix().isEmpty() || chosen.isDir())
        return path;
    return path + QLatin1Char('.') + suffix;
}

int Prompter::runDialog(QDialog *)
{
    return QDialog::Rejected;
}

QAction *Prompter::menu(QMenu *, const QPoint &)
{
    return nullptr;
}

void SilentPrompter::information(QWidget *, const QString &, const QString &) {}

void SilentPrompter::warning(QWidget *, const QString &, const QString &) {}

QMessageBox::StandardButton SilentPrompter::question(QWidget *, const QString &, const QString &,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return defaultButton;
}

QString SilentPrompter::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString SilentPrompter::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString SilentPrompter::existingDirectory(QWidget *, const QString &, const QString &)
{
    return QString();
}

QFont SilentPrompter::font(bool *ok, const QFont &initial, QWidget *, const QString &)
{
    if (ok)
        *ok = false;
    return initial;
}

QString SilentPrompter::item(QWidget *, const QString &, const QString &, const QStringList &items,
                             int current, bool *ok)
{
    if (ok)
        *ok = false;
    return items.value(current);
}

int SilentPrompter::integer(QWidget *, const QString &, const QString &, int value, int, int, int,
                            bool *ok)
{
    if (ok)
        *ok = false;
    return value;
}

void SilentPrompter::beep() {}
