#include "platform/hugepageheap.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
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

} // namespace

void reserve()
{
    constexpr size_t reserve = size_t(1) << 30;
    // Blocks up to the reserve's size come from the heap, not from mappings
    // of their own that would bypass it.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // Every extension of the heap adds the reserve, and freeing never gives
    // back below it: the advised range stays one mapping.
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
SmallPagesAhead::SmallPagesAhead() {}
SmallPagesAhead::~SmallPagesAhead() {}

#endif

} // namespace HugePageHeap
