// Reading a file as bytes, through the platform's own calls.
#include "platform/file_read.h"

#include <algorithm>

namespace {

constexpr size_t kReadChunkBytes = 1 << 16;

}  // namespace

FileHandle OpenForReading(const char* path) {
  const FileApi& api = RealFileApi();
  return FileHandle(api.create_file(path, GENERIC_READ, OPEN_EXISTING), api);
}

bool ReadUpTo(const FileHandle& file, size_t limit,
              std::vector<unsigned char>* bytes) {
  while (bytes->size() < limit) {
    const size_t held = bytes->size();
    const size_t want = std::min(limit - held, kReadChunkBytes);
    // Read straight into the tail: no buffer of a chunk's size on the stack.
    bytes->resize(held + want);
    DWORD got = 0;
    const bool ok =
        file.api().read_file(file.get(), bytes->data() + held,
                             static_cast<DWORD>(want), &got) != FALSE;
    bytes->resize(held + (ok ? got : 0));
    if (!ok) return false;
    if (got == 0) break;
  }
  return true;
}
