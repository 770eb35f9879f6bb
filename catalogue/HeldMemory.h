// How the process's allocator is set for the held product list. At a million products the list
// and its indexes are a few buffers of tens of MiB, made on the list reader and replaced whenever
// the catalogue changes. glibc raises its mapping and trimming thresholds each time such a block
// is freed, after which blocks of that size stay in a heap once freed, mixed with live ones, and
// the process keeps them; fixed thresholds map every block of 16 MiB or more on its own and give
// room freed at a heap's top back, so that freeing the buffers gives their memory back.
#pragma once

namespace tolvane {

// Call first thing in main, before any thread starts.
void returnLargeBlocksWhenFreed();

} // namespace tolvane
