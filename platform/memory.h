// How the process takes memory from the system and gives it back: a block
// backed before it is written, and freed memory kept until exit.
#ifndef TURNEL_PLATFORM_MEMORY_H_
#define TURNEL_PLATFORM_MEMORY_H_

#include <cstddef>

// A hint for a block that is about to be written whole: the system may back
// its pages with memory now, in one call, rather than take a page fault as
// the writes reach each page. Changes no byte of the block; may do nothing.
void PrepareForWriting(void* block, size_t bytes);

// For a program that ends soon after its largest allocation: memory it frees
// stays with the process instead of going back to the system, which would
// cost as much again as the one sweep that takes everything at exit. Call
// once, before the first allocation.
void KeepFreedMemoryUntilExit();

#endif  // TURNEL_PLATFORM_MEMORY_H_
