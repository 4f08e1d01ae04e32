// Makes the program's checked writes fail, as a disk that fills up at the
// last flush would, for as long as the guard lives.
#pragma once

#include <QString>
#include <QStringList>

namespace TestSupport {

class FailingWrites
{
public:
    // Every write whose path ends with `pathEnd` (all writes when empty)
    // fails with `reason`.
    explicit FailingWrites(const QString &reason, const QString &pathEnd = QString());
    ~FailingWrites();
    FailingWrites(const FailingWrites &) = delete;
    FailingWrites &operator=(const FailingWrites &) = delete;

    // Every path written while the guard lived, failed or not, in order.
    QStringList paths;
};

} // namespace TestSupport
