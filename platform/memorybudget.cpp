#include "platform/memorybudget.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <limits>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// The override in bytes, or 0 when the variable is unset or not a positive
// whole number of mebibytes.
qint64 overrideBytes()
{
    bool ok = false;
    const qint64 megabytes = qEnvironmentVariable(MemoryBudget::variable).trimmed().toLongLong(&ok);
    constexpr qint64 largest = std::numeric_limits<qint64>::max() / MemoryBudget::mebibyte;
    if (!ok || megabytes <= 0)
        return 0;
    return std::min(megabytes, largest) * MemoryBudget::mebibyte;
}

} // namespace

namespace MemoryBudget {

qint64 physicalBytes()
{
#if defined(Q_OS_WIN)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    return GlobalMemoryStatusEx(&status) ? qint64(status.ullTotalPhys) : 0;
#else
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return qint64(pages) * qint64(pageSize);
#endif
}

qint64 machineBudget(qint64 physical)
{
    // Half: the program shares the machine with the system and the user's
    // other programs, and a score's peak comes on top of what the window
    // already holds.
    return std::max(physical / 2, floorBytes);
}

Source machineSource(qint64 physical)
{
    return physical / 2 >= floorBytes ? Source::Machine : Source::Floor;
}

qint64 bytes()
{
    if (const qint64 chosen = overrideBytes())
        return chosen;
    return machineBudget(physicalBytes());
}

Source source()
{
    if (overrideBytes() > 0)
        return Source::Variable;
    return machineSource(physicalBytes());
}

} // namespace MemoryBudget
