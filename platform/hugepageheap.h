// The heap extended once into a reserve that the kernel may back with 2 MB
// pages, and the part of it no block has reached yet held to 4 KB pages
// while an export runs.
//
// A long score makes a few hundred megabytes of small objects, and faults
// on fresh 4 KB pages took half the time of loading and regenerating; 2 MB
// pages fault five hundred times less often. But a 2 MB page is resident as
// soon as one byte of it is touched. The PDF writer takes two blocks of
// 16 MB for every page and writes only their first bytes; each page's
// blocks stand at the top of the heap, a little further up than the last
// page's as the file grows, and 2 MB pages turned their few touched bytes
// into some 40 MB resident by the end of a long score. An export therefore
// leaves the heap's untouched top to 4 KB pages.
#pragma once

#include <cstdint>

namespace HugePageHeap {

// Extends the heap by the reserve and advises it for 2 MB pages (the kernel
// uses them where the system leaves transparent huge pages to programs).
// The reserve costs address space only; pages count as used once touched.
// The heap grows on in steps of the reserve's size (smaller under an
// address-space limit, which the steps must not waste). Runs once, before
// the application object exists; nothing on other C libraries.
void reserve();

// Advises what the heap has grown by since the last call for 2 MB pages:
// a step the heap took past the reserve is a mapping of its own, which
// the advice does not cover. Cheap (no system call while the heap has not
// grown): the loops that fill the heap call it as they go.
void follow();

// Gives the heap's free memory back to the system: the free top beyond
// the heap's last block, and the whole pages inside free blocks. After a
// score is closed or an export has let go of its buffers; the heap grows
// again, advised, as it is filled.
void giveBack();

// While it lives, the reserve beyond the heap's last block is advised for
// 4 KB pages; its end gives the 2 MB advice back. Nothing when reserve()
// did not advise the heap.
class SmallPagesAhead
{
public:
    SmallPagesAhead();
    ~SmallPagesAhead();
    SmallPagesAhead(const SmallPagesAhead &) = delete;
    SmallPagesAhead &operator=(const SmallPagesAhead &) = delete;

private:
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
};

} // namespace HugePageHeap
