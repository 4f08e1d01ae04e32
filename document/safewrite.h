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

#include <QList>

#include <functional>
#include <memory>
#include <vector>

class QTemporaryFile;

namespace SafeWrite {

// Replaces the file at `path` by `bytes`. True only after the whole
// content was written and the temporary file took the target's place.
// False otherwise, with the system's reason in `error` (for instance "No
// space left on device" or "File too large").
bool replaceFile(const QString &path, const QByteArray &bytes, QString &error);

// Several files replaced together, as the pages of one export: each is
// written to a temporary file beside its target as it comes, and the targets
// are replaced only by commit(), once every one of them was written. A set
// that is not committed (a page failed, or the set is dropped) leaves every
// target as it was and no temporary file behind.
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
    // target in `error` and `failedPath` when a target cannot be replaced
    // (the targets before it are replaced already).
    bool commit(QString &error, QString &failedPath);

private:
    struct Staged
    {
        QString target;
        std::unique_ptr<QTemporaryFile> file;
    };
    std::vector<Staged> m_staged;
};

// Test seam. While a hook is set, it is asked after the content has been
// written and before the target is replaced; a non-empty answer fails the
// write with that reason, as a disk that fills up at the last flush would.
// An empty hook removes it. GUI thread only, like every writer.
using FaultHook = std::function<QString(const QString &path)>;
void setFaultHook(FaultHook hook);

} // namespace SafeWrite
