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

#include <functional>

namespace SafeWrite {

// Replaces the file at `path` by `bytes`. True only after the whole
// content was written and the temporary file took the target's place.
// False otherwise, with the system's reason in `error` (for instance "No
// space left on device" or "File too large").
bool replaceFile(const QString &path, const QByteArray &bytes, QString &error);

// Test seam. While a hook is set, it is asked after the content has been
// written and before the target is replaced; a non-empty answer fails the
// write with that reason, as a disk that fills up at the last flush would.
// An empty hook removes it. GUI thread only, like every writer.
using FaultHook = std::function<QString(const QString &path)>;
void setFaultHook(FaultHook hook);

} // namespace SafeWrite
