#include "platform/prompter.h"

#include <QCoreApplication>
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

namespace {

// "pdf" and "xml" for "Files (*.pdf *.xml)".
QStringList filterSuffixes(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QStringList suffixes;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(filter))
        suffixes << match.captured(1);
    return suffixes;
}

} // namespace

QString Prompter::withFormatSuffix(const QString &path, const QString &filter, QString &problem)
{
    problem.clear();
    const QStringList suffixes = filterSuffixes(filter);
    const QFileInfo chosen(path);
    if (path.isEmpty() || suffixes.isEmpty() || chosen.isDir())
        return path;
    const QString name = chosen.fileName();
    // What is left once the format's extension is set aside must name
    // something: "..." or ".tnsx" alone would be a hidden file of no name.
    QString stem = name;
    for (const QString &suffix : suffixes) {
        if (stem.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
            stem.chop(suffix.size() + 1);
            break;
        }
    }
    if (stem.count(QLatin1Char('.')) + stem.count(QLatin1Char(' ')) == stem.size()) {
        problem = QCoreApplication::translate(
                      "Prompter", "\"%1\" is not a file name: type a name with letters or digits.")
                      .arg(name);
        return QString();
    }
    if (stem != name)
        return path;
    // File > Open, the recent files and drops know a file by its extension,
    // and an export must never keep a name that another format uses: a
    // name with a dot of its own ("gift.v2", "Op. 5") keeps it and gets the
    // format's extension after it.
    const QString suffix = suffixes.first();
    return path.endsWith(QLatin1Char('.')) ? path + suffix : path + QLatin1Char('.') + suffix;
}

QString Prompter::savePath(QWidget *parent, const QString &caption, const QString &dir,
                           const QString &filter)
{
    const QString path = saveFileName(parent, caption, dir, filter);
    QString problem;
    const QString named = withFormatSuffix(path, filter, problem);
    if (!problem.isEmpty())
        warning(parent, caption, problem);
    return named;
}

int Prompter::choose(QWidget *parent, const QString &title, const QString &text,
                     const QStringList &buttons, int defaultIndex, int escape)
{
    const QList<QMessageBox::StandardButton> standing{QMessageBox::Yes, QMessageBox::No,
                                                      QMessageBox::Cancel};
    QMessageBox::StandardButtons offered;
    for (int i = 0; i < buttons.size() && i < standing.size(); ++i)
        offered |= standing.at(i);
    const QMessageBox::StandardButton answer =
        question(parent, title, text, offered, standing.value(defaultIndex, QMessageBox::Cancel));
    const int chosen = standing.indexOf(answer);
    return chosen >= 0 && chosen < buttons.size() ? chosen : escape;
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
