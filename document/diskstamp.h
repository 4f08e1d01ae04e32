// What a score file on disk was when a window last read or wrote it: its
// size, its modification time and a hash of its bytes. A save compares the
// file with it, so that a file another window or program saved since is
// never replaced without a question.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct DiskStamp
{
    enum class State {
        Unchanged, // as read or written, or never known and still absent
        Changed,   // other bytes (or a file this window never read or wrote)
        Missing,   // deleted or moved away
        NotAFile,  // a folder or a device took its place
    };

    bool known = false;
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;

    // The stamp of the file at `path` that holds `bytes` (just read or
    // written); not known when the file is not there.
    static DiskStamp of(const QString &path, const QByteArray &bytes);
    // The stamp of the file at `path` as it is now, read from disk.
    static DiskStamp read(const QString &path);

    // How the file at `path` stands against this stamp. The bytes are read
    // only when size or time differ: a file touched without a change is
    // still the one this window knows.
    State stateOf(const QString &path) const;

    bool operator==(const DiskStamp &other) const;
    bool operator!=(const DiskStamp &other) const { return !(*this == other); }
};
