#include "support/failingwrites.h"

#include "document/safewrite.h"

namespace TestSupport {

FailingWrites::FailingWrites(const QString &reason, const QString &pathEnd)
{
    SafeWrite::setFaultHook([this, reason, pathEnd](const QString &path) {
        paths.append(path);
        return path.endsWith(pathEnd) ? reason : QString();
    });
}

FailingWrites::~FailingWrites()
{
    SafeWrite::setFaultHook({});
}

} // namespace TestSupport
