#include "document/safewrite.h"

#include <QSaveFile>

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
bool writeAll(QSaveFile &file, const QByteArray &bytes, QString &error)
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

void setFaultHook(FaultHook hook)
{
    faultHook() = std::move(hook);
}

} // namespace SafeWrite
