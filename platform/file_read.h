// Reading a file as bytes, through the platform's own calls.
#ifndef TURNEL_PLATFORM_FILE_READ_H_
#define TURNEL_PLATFORM_FILE_READ_H_

#include <cstddef>
#include <vector>

#include "platform/file_api.h"

// The file at path opened for reading; not valid when it cannot be opened or
// is a directory.
FileHandle OpenForReading(const char* path);

// Appends to bytes what the file gives until its end or until bytes holds
// limit bytes; false on a read error. Memory grows with the data that
// arrives, at most one chunk ahead of it.
bool ReadUpTo(const FileHandle& file, size_t limit,
              std::vector<unsigned char>* bytes);

#endif  // TURNEL_PLATFORM_FILE_READ_H_
