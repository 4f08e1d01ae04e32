#include "document/openscores.h"

#include "document/autosavefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <map>

namespace OpenScores {

namespace {

const QString listSuffix = QStringLiteral(".open");

struct Held
{
    std::map<const void *, QString> files;
    // The key the list was last written under: a new key (after the
    // instance's locks were given up) leaves the old list behind otherwise.
    QString writtenKey;
};

Held &held()
{
    static Held state;
    return state;
}

// One spelling per file: links and "." or ".." resolved where the file is
// there to resolve them.
QString identityOf(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString listPathOf(const QString &key)
{
    return AutoSaveFolder::path() + QLatin1Char('/') + key + listSuffix;
}

void writeList()
{
    Held &state = held();
    // A score that goes after the instance ended (the window closing at
    // the program's end) begins no new instance only to say so.
    if (!AutoSaveFolder::instanceBegun()) {
        if (!state.writtenKey.isEmpty())
            QFile::remove(listPathOf(state.writtenKey));
        state.writtenKey.clear();
        return;
    }
    const QString key = AutoSaveFolder::instanceKey();
    if (!state.writtenKey.isEmpty() && state.writtenKey != key)
        QFile::remove(listPathOf(state.writtenKey));
    state.writtenKey = key;
    if (state.files.empty()) {
        QFile::remove(listPathOf(key));
        return;
    }
    QStringList lines;
    for (const auto &entry : state.files)
        lines << entry.second;
    lines.removeDuplicates();
    QSaveFile file(listPathOf(key));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
        if (file.flush())
            file.commit();
    }
}

} // namespace

void hold(const void *owner, const QString &path)
{
    if (path.isEmpty())
        return release(owner);
    held().files[owner] = identityOf(path);
    AutoSaveFolder::instanceKey();
    writeList();
}

void release(const void *owner)
{
    if (held().files.erase(owner))
        writeList();
}

bool openElsewhere(const QString &path)
{
    const QString wanted = identityOf(path);
    const QString own = AutoSaveFolder::instanceKey();
    const QFileInfoList lists =
        QDir(AutoSaveFolder::path()).entryInfoList({QStringLiteral("*") + listSuffix}, QDir::Files);
    bool found = false;
    for (const QFileInfo &list : lists) {
        const QString key = list.completeBaseName();
        if (key == own)
            continue;
        if (!AutoSaveFolder::otherInstanceRuns(key)) {
            QFile::remove(list.filePath());
            continue;
        }
        QFile file(list.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QStringList paths = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        found = found || paths.contains(wanted);
    }
    return found;
}

} // namespace OpenScores
