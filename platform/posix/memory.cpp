// Memory from the system on POSIX: on Linux one madvise call fills in every
// whole page of a block, and the allocator is told not to trim its heap.
#include "platform/memory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>

#if defined(__linux__) && !defined(MADV_POPULATE_WRITE)
#define MADV_POPULATE_WRITE 23  // Linux 5.14; older kernels refuse it
#endif

void PrepareForWriting(void* block, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  static const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t start = reinterpret_cast<uintptr_t>(block);
  // Only the pages that lie wholly inside the block: the others may hold the
  // allocator's own data.
  const uintptr_t first = (start + page - 1) & ~(page - 1);
  const uintptr_t end = (start + bytes) & ~(page - 1);
  // A refusal (an older kernel) leaves the pages to fault in one by one.
  if (end > first) {
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
  }
#else
  (void)block;
  (void)bytes;
#endif
}

void KeepFreedMemoryUntilExit() {
  // Freed memory at the top of the heap is otherwise handed back past 128 KiB,
  // as when the library lets its copy of the model go at shutdown.
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
}
