// Memory from the system on Windows: there is no call for heap memory that is
// worth its cost here, so pages fault in as written.
#include "platform/memory.h"

void PrepareForWriting(void*, size_t) {}

// The process heap keeps what is freed; there is nothing to ask for.
void KeepFreedMemoryUntilExit() {}
