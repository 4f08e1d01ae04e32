// The folder where open scores keep their autosave files, shared by every
// running instance of the program.
//
// Each instance writes its files under a key of its own
// ("<base>_<score number>-<key>_autosave.tnsx") and holds a lock file
// "<key>.lock" (a QLockFile, which records the process id) for as long as
// it runs. A file whose key's lock is free was left by an instance that is
// no longer running: only such files are ever offered for recovery or
// deleted, and taking one over takes its lock, so that two instances never
// claim the same files.
#pragma once

#include <QString>
#include <QStringList>

namespace AutoSaveFolder {

// "<home>/velmora_autosave", without a trailing slash.
QString path();

// True for a path whose folder is the autosave folder: a score kept there
// has no name the user chose.
bool contains(const QString &filePath);

// True for a file name this program writes as an autosave file.
bool isAutoSaveName(const QString &filePath);

// The base name with an autosave ending ("_3_autosave",
// "_3-0a1b2c3d_autosave") taken off: the name the score had before.
QString withoutAutoSaveEnding(const QString &baseName);

// This instance's key; the first call creates the folder (when it can) and
// takes the instance's lock. The lock is taken again should the folder have
// been emptied meanwhile.
QString instanceKey();

// True from the first instanceKey() until endInstance().
bool instanceBegun();

// The autosave file name of score `scoreNumber` whose file is `baseName`.
QString fileName(const QString &baseName, int scoreNumber);

// The autosave files left by instances that are no longer running, sorted
// by name ignoring case; their locks are now held by this instance. Files
// of running instances, of this one (also those it took over before) and
// of a lock that cannot be read are left out; files written without a key,
// by a run that kept no lock, count as left over. The locks of ended
// instances that left no file are removed.
QStringList takeOverLeftovers();

// True when the instance of `key` is another one that runs: its lock is
// held by another process, or cannot be judged. False for this instance
// (its own key and those it took over) and for a lock found free, which is
// given up again at once.
bool otherInstanceRuns(const QString &key);

// Gives back the locks taken over whose files are all gone, removing the
// lock files.
void releaseEmptyLocks();

// Gives up every lock of this instance, as its end does: files left in the
// folder are then left over for the next start. A later instanceKey()
// begins a new key.
void endInstance();

} // namespace AutoSaveFolder
