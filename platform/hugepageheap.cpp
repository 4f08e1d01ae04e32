#include "platform/hugepageheap.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <algorithm>

namespace HugePageHeap {

namespace {

constexpr std::uintptr_t hugePage = std::uintptr_t(2) << 20;

// The range reserve() advised, empty when it did not.
std::uintptr_t advisedBegin = 0;
std::uintptr_t advisedEnd = 0;

} // namespace

#if defined(__GLIBC__)

namespace {

std::uintptr_t pageSize()
{
    return std::uintptr_t(sysconf(_SC_PAGESIZE));
}

// The reserve, and the step the heap grows by: a gigabyte, or a sixteenth
// of an address-space limit, whichever is less (at least 16 MB), in whole
// 2 MB pages. A step is address space taken ahead of use; under a limit
// it must not take what the score needs (MemoryBudget counts one step).
size_t reserveSize()
{
    constexpr size_t gigabyte = size_t(1) << 30;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur / 16 >= gigabyte)
        return gigabyte;
    const size_t sixteenth = size_t(limit.rlim_cur / 16) & ~size_t(hugePage - 1);
    return std::max(sixteenth, size_t(16) << 20);
}

} // namespace

void reserve()
{
    const size_t reserve = reserveSize();
    // Blocks up to 32 MB come from the heap, not from mappings of their
    // own that would bypass it.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // Every extension of the heap adds the reserve, and freeing keeps the
    // reserve's size at the top; giveBack() returns it.
    mallopt(M_TOP_PAD, int(reserve));
    void *probe = malloc(8 << 20);
    if (!probe)
        return;
    const std::uintptr_t start =
        (reinterpret_cast<std::uintptr_t>(probe) + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Only the heap's own range: a checking allocator serves blocks
    // elsewhere.
    if (end > start && end - start <= reserve + (8 << 20) &&
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE) == 0) {
        advisedBegin = start;
        advisedEnd = end;
    }
    free(probe);
}

void follow()
{
    if (advisedEnd == 0)
        return;
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (end == advisedEnd)
        return;
    // A heap given back below the advice grows again from its new end.
    if (end < advisedEnd) {
        advisedEnd = std::max(end, advisedBegin);
        return;
    }
    const std::uintptr_t from = advisedEnd & ~(hugePage - 1);
    if (madvise(reinterpret_cast<void *>(from), end - from, MADV_HUGEPAGE) == 0)
        advisedEnd = end;
}

void giveBack()
{
    malloc_trim(0);
    follow();
}

SmallPagesAhead::SmallPagesAhead()
{
    if (advisedEnd == 0)
        return;
    // The top chunk, the free space above the heap's last block, ends where
    // the heap ends; its size is what the allocator could give back.
    const std::uintptr_t heapEnd = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t top = heapEnd - mallinfo2().keepcost;
    // The 2 MB page holding the last block stays as it is.
    const std::uintptr_t from = (top + hugePage - 1) & ~(hugePage - 1);
    // The heap gave back the end of the reserve when the probe was freed.
    const std::uintptr_t to = std::min(advisedEnd, heapEnd & ~(pageSize() - 1));
    if (from < advisedBegin || from >= to)
        return;
    if (madvise(reinterpret_cast<void *>(from), to - from, MADV_NOHUGEPAGE) == 0) {
        begin = from;
        end = to;
    }
}

SmallPagesAhead::~SmallPagesAhead()
{
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}

#else

void reserve() {}
void follow() {}
void giveBack() {}
SmallPagesAhead::SmallPagesAhead() {}
SmallPagesAhead::~SmallPagesAhead() {}

#endif

} // namespace HugePageHeap
