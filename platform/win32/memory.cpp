// Backing a block with memory before it is written: Windows has no call for
// heap memory that is worth its cost here, so pages fault in as written.
#include "platform/memory.h"

void PrepareForWriting(void*, size_t) {}
