// The one way the program replaces a file. The new content goes to a
// temporary file beside the target, and the target is replaced only once
// every byte has reached that file: a full disk, a file-size limit or a
// lost device never leaves a truncated or empty target behind, and the
// caller learns the system's own reason.
//
// A write that cannot be finished leaves the target as it was (or absent,
// if it was) and no temporary file. Writers that stream into a device
// (PDF, SVG) render into memory first and hand the bytes over here.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <QList>

#include <functional>
#include <memory>
#include <vector>

class QSaveFile;
class QTemporaryFile;

namespace SafeWrite {

// Replaces the file at `path` by `bytes`. True only after the whole
// content was written and the temporary file took the target's place.
// False otherwise, with the system's reason in `error` (for instance "No
// space left on device" or "File too large").
bool replaceFile(const QString &path, const QByteArray &bytes, QString &error);

// Whether the file at `path` may be replaced as replaceFile would: not a
// folder, and not a file that is read-only to the user; false with the
// reason in `error` otherwise (as saving words it).
bool canReplace(const QString &path, QString &error);

// Several files replaced together, as the pages of one export: each is
// written to a temporary file beside its target as it comes, and the targets
// are replaced only by commit(), once every one of them was written. A set
// that is not committed (a page failed, or the set is dropped) leaves every
// target as it was and no temporary file behind; so does a commit that
// fails part way, which puts back the targets it had replaced already.
class FileSet
{
public:
    FileSet();
    ~FileSet();
    FileSet(const FileSet &) = delete;
    FileSet &operator=(const FileSet &) = delete;

    // Writes `bytes` for `path`; false with the system's reason in `error`.
    bool add(const QString &path, const QByteArray &bytes, QString &error);
    // Moves every written file to its target; false with the reason and the
    // target in `error` and `failedPath` when a target cannot be replaced,
    // every target then as it was before.
    bool commit(QString &error, QString &failedPath);

private:
    struct Staged
    {
        QString target;
        std::unique_ptr<QTemporaryFile> file;
        QString backup; // the target's old content while the set commits
    };
    bool keepOldTargets(QString &error, QString &failedPath);
    void putBackOldTargets(std::size_t replaced);
    void dropBackups();
    std::vector<Staged> m_staged;
};

// One file written piece by piece, for a text too long to hold whole: the
// pieces go to a temporary file beside the target (through a buffer of
// bufferSize bytes), and the target is replaced only by commit(), once every
// piece has reached the disk. A file that is not committed (a piece failed,
// or the object is dropped) leaves the target as it was and no temporary
// file behind.
class StreamedFile
{
public:
    static constexpr qsizetype bufferSize = 256 * 1024;

    explicit StreamedFile(const QString &path);
    ~StreamedFile();
    StreamedFile(const StreamedFile &) = delete;
    StreamedFile &operator=(const StreamedFile &) = delete;

    // Opens the temporary file; false with the system's reason in `error`.
    bool open(QString &error);
    // Adds `text` as UTF-8; false with the system's reason once a write
    // failed (every later call fails too).
    bool append(QStringView text, QString &error);
    // Writes what is left and replaces the target; false with the reason.
    bool commit(QString &error);

private:
    bool flushBuffer(QString &error);

    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_buffer;
    QString m_failure;
};

// Test seam. While a hook is set, it is asked after the content has been
// written and before the target is replaced; a non-empty answer fails the
// write with that reason, as a disk that fills up at the last flush would.
// An empty hook removes it. GUI thread only, like every writer.
using FaultHook = std::function<QString(const QString &path)>;
void setFaultHook(FaultHook hook);
// Test seam of FileSet::commit: asked just before each file takes its
// target's place; a non-empty answer fails that step with that reason, as
// a rename the system refuses would.
void setReplaceFaultHook(FaultHook hook);

} // namespace SafeWrite
