// How the process's allocator is set for the held product list. The list and its indexes are a
// few large buffers (tens of MiB each at a million products), made on the list reader and replaced
// whenever the catalogue changes. glibc raises its mapping threshold each time such a block is
// freed, after which blocks of that size stay in a thread's heap once freed; a fixed threshold
// maps every large block on its own, so that freeing it gives its memory back to the system.
#pragma once

namespace tolvane {

// Call first thing in main, before any thread starts.
void returnLargeBlocksWhenFreed();

} // namespace tolvane
