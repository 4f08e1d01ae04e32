#include "document/diskstamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

// The bytes of a regular file; nothing for anything else.
QByteArray stampedBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

DiskStamp DiskStamp::of(const QString &path, const QByteArray &bytes)
{
    DiskStamp stamp;
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp;
    stamp.known = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    stamp.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return stamp;
}

DiskStamp DiskStamp::read(const QString &path)
{
    return of(path, stampedBytes(path));
}

DiskStamp::State DiskStamp::stateOf(const QString &path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return known ? State::Missing : State::Unchanged;
    if (!info.isFile())
        return State::NotAFile;
    if (!known)
        return State::Changed;
    if (info.size() == size && info.lastModified() == modified)
        return State::Unchanged;
    return read(path).hash == hash ? State::Unchanged : State::Changed;
}

bool DiskStamp::operator==(const DiskStamp &other) const
{
    return known == other.known && size == other.size && modified == other.modified &&
           hash == other.hash;
}
