#include "catalogue/HeldMemory.h"

#include <cstddef> // defines __GLIBC__ where it is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tolvane {

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // Fixed, both: the blocks of a large list mapped, and room freed at a heap's top given back
    // past 16 MiB, whatever was freed before. Smaller ones (a list of 100,000) stay in the heap,
    // where they are used again without the cost of fresh pages.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
#endif
}

} // namespace tolvane
