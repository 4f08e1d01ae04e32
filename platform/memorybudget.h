// How much memory one score may take: the loader refuses a score whose
// estimated cost is larger, rather than let it fill the machine.
//
// The budget is half of the machine's physical memory, never less than
// `floorBytes` (a machine whose memory cannot be read gets the floor). The
// environment variable VELMORA_MEMORY_LIMIT_MB, a whole number of
// mebibytes, replaces it: to raise the limit on a machine with memory to
// spare, or to hold the program to less. A value that is not a positive
// whole number is ignored.
#pragma once

#include <QtGlobal>

namespace MemoryBudget {

constexpr const char *variable = "VELMORA_MEMORY_LIMIT_MB";
constexpr qint64 mebibyte = 1024 * 1024;
constexpr qint64 floorBytes = 2048 * mebibyte;

// The machine's physical memory in bytes, 0 when it cannot be read.
qint64 physicalBytes();

// The budget in bytes, as described above; read anew at each call.
qint64 bytes();

enum class Source
{
    Variable, // the environment variable
    Machine,  // half of the physical memory
    Floor,    // the floor: the machine has less, or its memory is unknown
};
Source source();

// The budget, and where it comes from, on a machine of `physical` bytes
// (0: unknown) when the variable does not set it.
qint64 machineBudget(qint64 physical);
Source machineSource(qint64 physical);

} // namespace MemoryBudget
