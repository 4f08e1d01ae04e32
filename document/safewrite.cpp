#include "document/safewrite.h"

#include <QCoreApplication>
#include <QFile>
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

SafeWrite::FaultHook &replaceFaultHook()
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

// A temporary file written without the device's buffer, for the same
// reason as above: a buffered tail that reaches the disk only part way
// fails at the flush without any reason ("Unknown error").
class UnbufferedTemporaryFile : public QTemporaryFile
{
public:
    using QTemporaryFile::QTemporaryFile;
    bool openUnbuffered() { return QTemporaryFile::open(QIODevice::ReadWrite | Unbuffered); }
};

std::filesystem::path nativePath(const QString &path)
{
    return QFileInfo(path).filesystemAbsoluteFilePath();
}

} // namespace

namespace SafeWrite {

bool canReplace(const QString &path, QString &error)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        error = QCoreApplication::translate("SafeWrite", "Filename refers to a directory");
        return false;
    }
    // A rename replaces a read-only file as readily as any other, and the
    // administrator may write any file: a file whose owner took its own
    // right to write away is kept all the same.
    if (target.exists() &&
        (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner))) {
        error =
            QCoreApplication::translate("SafeWrite", "Existing file %1 is not writable").arg(path);
        return false;
    }
    return true;
}

bool replaceFile(const QString &path, const QByteArray &bytes, QString &error)
{
    if (!canReplace(path, error))
        return false;
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
    if (!canReplace(path, error))
        return false;
    const QFileInfo target(path);
    auto file =
        std::make_unique<UnbufferedTemporaryFile>(target.absolutePath() + QStringLiteral("/.") +
                                                  target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file->openUnbuffered()) {
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
    m_staged.push_back({path, std::move(file), QString()});
    return true;
}

bool FileSet::commit(QString &error, QString &failedPath)
{
    if (!keepOldTargets(error, failedPath))
        return false;
    for (std::size_t i = 0; i < m_staged.size(); ++i) {
        Staged &staged = m_staged[i];
        // Replaces the target in one step, as QSaveFile does; QFile::rename
        // refuses an existing target.
        std::error_code failure;
        error = replaceFaultHook() ? replaceFaultHook()(staged.target) : QString();
        if (error.isEmpty()) {
            std::filesystem::rename(nativePath(staged.file->fileName()), nativePath(staged.target),
                                    failure);
            if (failure)
                error = QString::fromStdString(failure.message());
        }
        if (!error.isEmpty()) {
            failedPath = staged.target;
            putBackOldTargets(i);
            return false;
        }
        staged.file->setAutoRemove(false);
    }
    dropBackups();
    m_staged.clear();
    return true;
}

// The whole set looked at again (a page may have turned into a folder
// while the others were written), then a second name for every target that
// exists, beside it: a hard link where the file system has them, else a
// copy. Nothing is replaced yet, so a failure here only drops the backups.
bool FileSet::keepOldTargets(QString &error, QString &failedPath)
{
    for (const Staged &staged : m_staged) {
        if (!canReplace(staged.target, error)) {
            failedPath = staged.target;
            return false;
        }
    }
    for (Staged &staged : m_staged) {
        if (!QFileInfo::exists(staged.target))
            continue;
        const QString backup = staged.file->fileName() + QStringLiteral(".old");
        std::error_code failure;
        std::filesystem::create_hard_link(nativePath(staged.target), nativePath(backup), failure);
        if (failure) {
            failure.clear();
            std::filesystem::copy_file(nativePath(staged.target), nativePath(backup), failure);
        }
        if (failure) {
            error = QString::fromStdString(failure.message());
            failedPath = staged.target;
            QFile::remove(backup);
            dropBackups();
            return false;
        }
        staged.backup = backup;
    }
    return true;
}

// The first `replaced` targets get their old files back, or go when they
// are new; the rest were never touched.
void FileSet::putBackOldTargets(std::size_t replaced)
{
    for (std::size_t i = 0; i < replaced; ++i) {
        Staged &staged = m_staged[i];
        std::error_code failure;
        if (staged.backup.isEmpty()) {
            std::filesystem::remove(nativePath(staged.target), failure);
            continue;
        }
        // A backup that cannot go back stays beside the target: it holds
        // the only copy of the old file.
        std::filesystem::rename(nativePath(staged.backup), nativePath(staged.target), failure);
        staged.backup.clear();
    }
    dropBackups();
}

void FileSet::dropBackups()
{
    for (Staged &staged : m_staged) {
        if (!staged.backup.isEmpty())
            QFile::remove(staged.backup);
        staged.backup.clear();
    }
}

StreamedFile::StreamedFile(const QString &path) : m_path(path) {}

StreamedFile::~StreamedFile()
{
    if (m_file)
        m_file->cancelWriting();
}

bool StreamedFile::open(QString &error)
{
    if (!canReplace(m_path, error)) {
        m_failure = error;
        return false;
    }
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = m_file->errorString();
        m_failure = error;
        return false;
    }
    m_buffer.reserve(bufferSize + bufferSize / 4);
    return true;
}

bool StreamedFile::append(QStringView text, QString &error)
{
    if (!m_failure.isEmpty() || !m_file) {
        error = m_failure.isEmpty() ? QStringLiteral("not open") : m_failure;
        return false;
    }
    m_buffer += text.toUtf8();
    return m_buffer.size() < bufferSize || flushBuffer(error);
}

bool StreamedFile::flushBuffer(QString &error)
{
    if (!writeAll(*m_file, m_buffer, error)) {
        m_failure = error;
        return false;
    }
    m_buffer.clear();
    return true;
}

bool StreamedFile::commit(QString &error)
{
    if (!m_failure.isEmpty() || !m_file) {
        error = m_failure.isEmpty() ? QStringLiteral("not open") : m_failure;
        return false;
    }
    if (!flushBuffer(error))
        return false;
    if (faultHook()) {
        error = faultHook()(m_path);
        if (!error.isEmpty()) {
            m_failure = error;
            return false;
        }
    }
    const bool committed = m_file->commit();
    if (!committed)
        error = m_file->errorString();
    m_file.reset();
    return committed;
}

void setFaultHook(FaultHook hook)
{
    faultHook() = std::move(hook);
}

void setReplaceFaultHook(FaultHook hook)
{
    replaceFaultHook() = std::move(hook);
}

} // namespace SafeWrite
