#include "document/safewrite.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

SafeWrite::FaultHook &faultHook()
{
    static SafeWrite::FaultHook hook;
    return hook;
}

// Writes every byte; false with the system's reason otherwise. A write cut
// short (a file-size limit, a disk filling up) reports how much it wrote
// but no reason; only the next write of the rest fails with one. The file
// is unbuffered for that: QSaveFile's own buffer would keep a failure until
// the last flush, and commit() renames the short file over the target even
// after a failed flush. The flush is checked all the same.
bool writeAll(QFileDevice &file, const QByteArray &bytes, QString &error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            error = file.errorString();
            return false;
        }
        done += written;
    }
    if (!file.flush()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

namespace SafeWrite {

bool replaceFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (faultHook()) {
        error = faultHook()(path);
        if (!error.isEmpty()) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

FileSet::FileSet() = default;
FileSet::~FileSet() = default; // the temporary files not committed go with it

bool FileSet::add(const QString &path, const QByteArray &bytes, QString &error)
{
    const QFileInfo target(path);
    auto file = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.") +
                                                 target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file->open()) {
        error = file->errorString();
        return false;
    }
    if (!writeAll(*file, bytes, error))
        return false;
    if (faultHook()) {
        error = faultHook()(path);
        if (!error.isEmpty())
            return false;
    }
    // A temporary file is private to its owner; the page takes the rights
    // of the file it replaces, or those of a new file.
    file->setPermissions(target.exists() ? target.permissions()
                                         : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    file->close();
    m_staged.push_back({path, std::move(file)});
    return true;
}

bool FileSet::commit(QString &error, QString &failedPath)
{
    for (Staged &staged : m_staged) {
        // Replaces the target in one step, as QSaveFile does; QFile::rename
        // refuses an existing target.
        std::error_code failure;
        std::filesystem::rename(QFileInfo(staged.file->fileName()).filesystemAbsoluteFilePath(),
                                QFileInfo(staged.target).filesystemAbsoluteFilePath(), failure);
        if (failure) {
            error = QString::fromStdString(failure.message());
            failedPath = staged.target;
            return false;
        }
        staged.file->setAutoRemove(false);
    }
    m_staged.clear();
    return true;
}

void setFaultHook(FaultHook hook)
{
    faultHook() = std::move(hook);
}

} // namespace SafeWrite
