#include "stderrprompter.h"

#include <QTextStream>

namespace {

void print(const QString &kind, const QString &title, const QString &text)
{
    QTextStream err(stderr);
    err << kind << ": ";
    if (!title.isEmpty())
        err << title << ": ";
    err << text << '\n';
}

} // namespace

void StderrPrompter::information(QWidget *, const QString &title, const QString &text)
{
    print(QStringLiteral("information"), title, text);
}

void StderrPrompter::warning(QWidget *, const QString &title, const QString &text)
{
    ++warnings;
    print(QStringLiteral("warning"), title, text);
}

QMessageBox::StandardButton StderrPrompter::question(QWidget *, const QString &title,
                                                     const QString &text,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton defaultButton)
{
    print(QStringLiteral("question (default answer taken)"), title, text);
    return defaultButton;
}

QString StderrPrompter::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString StderrPrompter::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString StderrPrompter::existingDirectory(QWidget *, const QString &, const QString &)
{
    return QString();
}

QFont StderrPrompter::font(bool *ok, const QFont &initial, QWidget *, const QString &)
{
    if (ok)
        *ok = false;
    return initial;
}

QString StderrPrompter::item(QWidget *, const QString &, const QString &, const QStringList &items,
                             int current, bool *ok)
{
    if (ok)
        *ok = false;
    return items.value(current);
}

int StderrPrompter::integer(QWidget *, const QString &, const QString &, int value, int, int, int,
                            bool *ok)
{
    if (ok)
        *ok = false;
    return value;
}

void StderrPrompter::beep() {}
