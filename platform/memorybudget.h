// How much memory one score may take: the loader refuses a score whose
// estimated cost is larger, rather than let it fill the machine.
//
// The budget is half of the machine's physical memory, never less than
// `floorBytes` (a machine whose memory cannot be read gets the floor). Two
// limits the process lives under lower it, the smaller one winning: a
// container's memory limit (cgroup v2 memory.max, v1
// memory.limit_in_bytes) stands for the machine's memory, so the budget is
// half of it, floor or not; and an address-space limit (ulimit -v) holds
// the budget to what the process can still map beside what it has mapped
// already. The environment variable VELMORA_MEMORY_LIMIT_MB, a whole
// number of mebibytes, replaces the budget: to raise it on a machine with
// memory to spare, or to hold the program to less. A value that is not a
// positive whole number, or that is more than the machine or the limits
// allow, is ignored (variableFault() says why).
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace MemoryBudget {

constexpr const char *variable = "VELMORA_MEMORY_LIMIT_MB";
// A file read in place of the container's limit files (for tests and
// measurements: a file holding what memory.max would hold).
constexpr const char *containerFileVariable = "VELMORA_CONTAINER_LIMIT_FILE";
constexpr qint64 mebibyte = 1024 * 1024;
constexpr qint64 floorBytes = 2048 * mebibyte;

// The machine's physical memory in bytes, 0 when it cannot be read.
qint64 physicalBytes();

// The process's address-space limit (the soft RLIMIT_AS), 0 when there is
// none.
qint64 addressSpaceLimitBytes();

// The tightest memory limit of the process's container and the groups
// above it, 0 when there is none or it cannot be read.
qint64 containerBytes();

// The address space the process has mapped now, 0 where the system does
// not tell.
qint64 mappedBytes();

// A limit file's text in bytes: 0 for "max", for the "unlimited" number
// cgroup v1 writes, and for anything that is not a whole number.
qint64 limitFromText(const QByteArray &text);

// The resident memory the process can reach under the address-space limit:
// the limit less what is mapped beside the resident memory and the heap's
// free top now, and less a margin for the heap's next step and the
// threads; 0 when there is no limit, and at least 1 when there is one.
qint64 addressSpaceRoomBytes();

// The budget in bytes, as described above; read anew at each call.
qint64 bytes();

enum class Source
{
    Variable,     // the environment variable
    Machine,      // half of the physical memory
    Floor,        // the floor: the machine has less, or its memory is unknown
    Container,    // half of the container's memory limit
    AddressSpace, // what the address-space limit leaves
};
Source source();

// The budget, and where it comes from, on a machine of `physical` bytes
// (0: unknown) with no container or address-space limit, when the variable
// does not set it.
qint64 machineBudget(qint64 physical);
Source machineSource(qint64 physical);

// Why the environment variable, set, is not the budget; empty when it is
// unset or is the budget.
QString variableFault();

} // namespace MemoryBudget
