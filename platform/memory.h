// Backing a block with memory before it is written, where the system can do
// that in one call.
#ifndef TURNEL_PLATFORM_MEMORY_H_
#define TURNEL_PLATFORM_MEMORY_H_

#include <cstddef>

// A hint for a block that is about to be written whole: the system may back
// its pages with memory now, in one call, rather than take a page fault as
// the writes reach each page. Changes no byte of the block; may do nothing.
void PrepareForWriting(void* block, size_t bytes);

#endif  // TURNEL_PLATFORM_MEMORY_H_
