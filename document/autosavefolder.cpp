#include "document/autosavefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <map>
#include <memory>

namespace AutoSaveFolder {

namespace {

const QString autoSaveEnding = QStringLiteral("_autosave.tnsx");

// The key of the instance that wrote an autosave file; empty for a name
// written without one.
QString keyOf(const QString &fileName)
{
    static const QRegularExpression keyed(QStringLiteral("-([0-9a-f]{8})_autosave\\.tnsx$"));
    const QRegularExpressionMatch match = keyed.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString lockPathOf(const QString &key)
{
    return path() + QLatin1Char('/') + key + QStringLiteral(".lock");
}

// A lock file only tells whether its writer still runs when it names a
// process of this machine; a lock that cannot be read is never judged
// stale by its age, so another machine's files sharing this home stay
// theirs.
std::unique_ptr<QLockFile> tryTakeLock(const QString &key)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(key));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

struct Locks
{
    QString ownKey;
    std::unique_ptr<QLockFile> own;
    std::map<QString, std::unique_ptr<QLockFile>> takenOver;
};

Locks &locks()
{
    static Locks held;
    return held;
}

// Removes the lock files of ended instances that left no autosave file:
// killed before their first write, or writing only into files they had
// taken over. No start would ever take such a lock over, so without this
// it would stay in the folder for good.
void removeLocksWithoutFiles(const QDir &folder, const QString &own, const Locks &held)
{
    static const QRegularExpression lockName(QStringLiteral("^([0-9a-f]{8})\\.lock$"));
    const QStringList lockNames = folder.entryList({QStringLiteral("*.lock")}, QDir::Files);
    for (const QString &name : lockNames) {
        const QString key = lockName.match(name).captured(1);
        if (key.isEmpty() || key == own || held.takenOver.count(key))
            continue;
        if (!folder.entryList({QStringLiteral("*-") + key + autoSaveEnding}, QDir::Files).isEmpty())
            continue; // its writer runs, or its lock cannot be judged
        // Taken only when its writer has ended; giving it back removes it.
        tryTakeLock(key);
    }
}

} // namespace

QString path()
{
    return QDir::homePath() + QStringLiteral("/velmora_autosave");
}

bool contains(const QString &filePath)
{
    if (filePath.isEmpty() || filePath.startsWith(QLatin1String(":/")))
        return false;
    const QFileInfo folder(QFileInfo(filePath).absolutePath());
    const QFileInfo autoSaves(path());
    if (QDir::cleanPath(folder.filePath()) == QDir::cleanPath(autoSaves.filePath()))
        return true;
    // The same folder reached through a link.
    const QString canonical = autoSaves.canonicalFilePath();
    return !canonical.isEmpty() && folder.canonicalFilePath() == canonical;
}

bool isAutoSaveName(const QString &filePath)
{
    return filePath.endsWith(autoSaveEnding);
}

QString withoutAutoSaveEnding(const QString &baseName)
{
    static const QRegularExpression ending(QStringLiteral("_\\d+(-[0-9a-f]{8})?_autosave$"));
    QString base = baseName;
    return base.remove(ending);
}

QString instanceKey()
{
    Locks &held = locks();
    if (held.ownKey.isEmpty())
        held.ownKey = QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                               QLatin1Char('0'));
    if (!held.own || !QFileInfo::exists(lockPathOf(held.ownKey))) {
        held.own.reset();
        QDir().mkpath(path());
        // Without a lock (a folder that cannot be written) no file can be
        // written there either; the autosave reports that itself.
        held.own = tryTakeLock(held.ownKey);
    }
    return held.ownKey;
}

bool instanceBegun()
{
    return !locks().ownKey.isEmpty();
}

QString fileName(const QString &baseName, int scoreNumber)
{
    return baseName + QLatin1Char('_') + QString::number(scoreNumber) + QLatin1Char('-') +
           instanceKey() + autoSaveEnding;
}

QStringList takeOverLeftovers()
{
    const QDir folder(path());
    if (!folder.exists())
        return {};
    const QString own = instanceKey();
    Locks &held = locks();
    QStringList leftovers;
    const QFileInfoList entries = folder.entryInfoList({QStringLiteral("*") + autoSaveEnding},
                                                       QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString key = keyOf(entry.fileName());
        if (key == own)
            continue;
        if (held.takenOver.count(key))
            continue; // offered before: this instance's now
        if (!key.isEmpty()) {
            std::unique_ptr<QLockFile> lock = tryTakeLock(key);
            if (!lock)
                continue; // its writer runs, or its lock cannot be judged
            held.takenOver.emplace(key, std::move(lock));
        }
        leftovers << entry.filePath();
    }
    removeLocksWithoutFiles(folder, own, held);
    return leftovers;
}

bool otherInstanceRuns(const QString &key)
{
    Locks &held = locks();
    if (key.isEmpty() || key == held.ownKey || held.takenOver.count(key))
        return false;
    // A key without a lock file has no instance; trying its lock would
    // make one.
    if (!QFileInfo::exists(lockPathOf(key)))
        return false;
    return !tryTakeLock(key);
}

void releaseEmptyLocks()
{
    Locks &held = locks();
    const QDir folder(path());
    for (auto it = held.takenOver.begin(); it != held.takenOver.end();) {
        const QStringList remaining =
            folder.entryList({QStringLiteral("*-") + it->first + autoSaveEnding}, QDir::Files);
        if (remaining.isEmpty())
            it = held.takenOver.erase(it); // unlocking removes the lock file
        else
            ++it;
    }
}

void endInstance()
{
    Locks &held = locks();
    held.takenOver.clear();
    held.own.reset();
    held.ownKey.clear();
}

} // namespace AutoSaveFolder
