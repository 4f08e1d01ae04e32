#include "platform/memorybudget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>
#include <limits>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Limits beyond this mean "none": cgroup v1 writes a number close to the
// largest, and no machine has an exbibyte.
constexpr qint64 unlimitedFrom = qint64(1) << 60;

// Address space that is neither resident nor the heap's free top grows by
// up to this much besides what the heap holds under a limit of `limit`
// bytes: the heap's next step (HugePageHeap's reserve, a sixteenth of the
// limit up to a gigabyte) and the threads' stacks and arenas.
qint64 addressSpaceMargin(qint64 limit)
{
    return std::min<qint64>(limit / 16, 1024 * MemoryBudget::mebibyte) +
           64 * MemoryBudget::mebibyte;
}

// The text of a small file, empty when it cannot be read (files under
// /proc and /sys report no size, so it is read to its end).
QByteArray smallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QByteArray();
    QByteArray text;
    char chunk[4096];
    for (qint64 got; (got = file.read(chunk, sizeof chunk)) > 0 && text.size() < 65536;)
        text.append(chunk, got);
    return text;
}

// The variable's whole number of mebibytes in bytes, or 0 when it is unset
// or not a positive whole number.
qint64 variableBytes()
{
    bool ok = false;
    const qint64 megabytes = qEnvironmentVariable(MemoryBudget::variable).trimmed().toLongLong(&ok);
    constexpr qint64 largest = std::numeric_limits<qint64>::max() / MemoryBudget::mebibyte;
    if (!ok || megabytes <= 0)
        return 0;
    return std::min(megabytes, largest) * MemoryBudget::mebibyte;
}

// The files holding the memory limits of the process's cgroup and of every
// group above it, v2 and v1.
QList<QString> containerLimitFiles()
{
    const QString chosen = qEnvironmentVariable(MemoryBudget::containerFileVariable);
    if (!chosen.isEmpty())
        return {chosen};
    QList<QString> files;
    const QList<QByteArray> lines = smallFile(QStringLiteral("/proc/self/cgroup")).split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() < 3 || !fields.at(2).startsWith('/'))
            continue;
        QString root;
        QString name;
        if (fields.at(0) == "0" && fields.at(1).isEmpty()) {
            root = QStringLiteral("/sys/fs/cgroup");
            name = QStringLiteral("memory.max");
        } else if (fields.at(1).split(',').contains("memory")) {
            root = QStringLiteral("/sys/fs/cgroup/memory");
            name = QStringLiteral("memory.limit_in_bytes");
        } else {
            continue;
        }
        QString group = QString::fromUtf8(line.mid(fields.at(0).size() + fields.at(1).size() + 2));
        // The group and each one above it: a parent's limit holds too.
        for (;;) {
            files.append(root + (group == QLatin1String("/") ? QString() : group) +
                         QLatin1Char('/') + name);
            if (group == QLatin1String("/") || group.isEmpty())
                break;
            group.truncate(std::max<qsizetype>(1, group.lastIndexOf(QLatin1Char('/'))));
        }
    }
    return files;
}

// Pages of the process's address space and resident memory, in bytes
// (zeros where /proc is missing).
struct Mapped
{
    qint64 size = 0;
    qint64 resident = 0;
};

Mapped mappedNow()
{
#if defined(Q_OS_WIN)
    return {};
#else
    const QList<QByteArray> fields = smallFile(QStringLiteral("/proc/self/statm")).split(' ');
    const qint64 page = sysconf(_SC_PAGE_SIZE);
    if (fields.size() < 2 || page <= 0)
        return {};
    return {fields.at(0).toLongLong() * page, fields.at(1).toLongLong() * page};
#endif
}

// The free top of the heap: mapped, mostly untouched, and where the heap
// grows first.
qint64 heapTopBytes()
{
#if defined(__GLIBC__)
    return qint64(mallinfo2().keepcost);
#else
    return 0;
#endif
}

// The budget without the variable, and what sets it.
qint64 defaultBytes(MemoryBudget::Source *source)
{
    const qint64 physical = MemoryBudget::physicalBytes();
    qint64 budget = MemoryBudget::machineBudget(physical);
    MemoryBudget::Source from = MemoryBudget::machineSource(physical);
    const qint64 container = MemoryBudget::containerBytes();
    if (container > 0 && container / 2 < budget) {
        budget = container / 2;
        from = MemoryBudget::Source::Container;
    }
    const qint64 room = MemoryBudget::addressSpaceRoomBytes();
    if (room > 0 && room < budget) {
        budget = room;
        from = MemoryBudget::Source::AddressSpace;
    }
    if (source)
        *source = from;
    return budget;
}

// The most the variable may ask for: the machine's memory, the container's
// limit, what the address space leaves.
qint64 mostBytes()
{
    qint64 most = std::numeric_limits<qint64>::max();
    for (const qint64 limit : {MemoryBudget::physicalBytes(), MemoryBudget::containerBytes(),
                               MemoryBudget::addressSpaceRoomBytes()}) {
        if (limit > 0)
            most = std::min(most, limit);
    }
    return most;
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

qint64 addressSpaceLimitBytes()
{
#if defined(Q_OS_WIN)
    return 0;
#else
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur >= rlim_t(unlimitedFrom))
        return 0;
    return qint64(limit.rlim_cur);
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

qint64 mappedBytes()
{
    return mappedNow().size;
}

qint64 limitFromText(const QByteArray &text)
{
    bool ok = false;
    const qint64 bytes = text.trimmed().toLongLong(&ok);
    return ok && bytes > 0 && bytes < unlimitedFrom ? bytes : 0;
}

qint64 containerBytes()
{
    qint64 tightest = 0;
    for (const QString &file : containerLimitFiles()) {
        const qint64 limit = limitFromText(smallFile(file));
        if (limit > 0 && (tightest == 0 || limit < tightest))
            tightest = limit;
    }
    return tightest;
}

qint64 addressSpaceRoomBytes()
{
    const qint64 limit = addressSpaceLimitBytes();
    if (limit == 0)
        return 0;
    const Mapped mapped = mappedNow();
    // Resident pages count in both; the heap's free top is where it grows.
    const qint64 besides = std::max<qint64>(0, mapped.size - mapped.resident - heapTopBytes());
    return std::max<qint64>(1, limit - besides - addressSpaceMargin(limit));
}

qint64 bytes()
{
    const qint64 chosen = variableBytes();
    if (chosen > 0 && chosen <= mostBytes())
        return chosen;
    return defaultBytes(nullptr);
}

Source source()
{
    const qint64 chosen = variableBytes();
    if (chosen > 0 && chosen <= mostBytes())
        return Source::Variable;
    Source from = Source::Machine;
    defaultBytes(&from);
    return from;
}

QString variableFault()
{
    if (!qEnvironmentVariableIsSet(variable))
        return QString();
    const QString text = qEnvironmentVariable(variable);
    const qint64 chosen = variableBytes();
    if (chosen == 0)
        return QCoreApplication::translate("Score", "%1=\"%2\" is not a whole number of megabytes "
                                                    "above zero and is ignored.")
            .arg(QLatin1String(variable), text);
    const qint64 most = mostBytes();
    if (chosen <= most)
        return QString();
    return QCoreApplication::translate("Score", "%1=%2 is more than the %L3 MB this computer "
                                                "and the process's limits allow and is ignored.")
        .arg(QLatin1String(variable), text.trimmed())
        .arg(most / mebibyte);
}

} // namespace MemoryBudget
