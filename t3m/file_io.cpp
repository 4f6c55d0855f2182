// Whole-file reading and writing for the tool, with every descriptor owned by
// an object that closes it.
#include "t3m/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "modelfile/model_file.h"

namespace {

constexpr size_t kReadChunkBytes = 1 << 16;
constexpr size_t kMaxWriteBytes = size_t{1} << 30;

}  // namespace

bool FileDescriptor::Close() {
  if (fd_ < 0) return true;
  int fd = fd_;
  fd_ = -1;
  return close(fd) == 0;
}

bool ReadUpTo(const FileDescriptor& file, size_t limit,
              std::vector<unsigned char>* bytes) {
  unsigned char chunk[kReadChunkBytes];
  while (bytes->size() < limit) {
    size_t want = limit - bytes->size();
    if (want > sizeof chunk) want = sizeof chunk;
    ssize_t n = read(file.get(), chunk, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    bytes->insert(bytes->end(), chunk, chunk + n);
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  return ReplaceFileWhole(
             path.c_str(), RealFileApi(),
             [&bytes](const FileApi& api, HANDLE file) {
               // One write call takes at most a DWORD's worth of bytes.
               for (size_t done = 0; done < bytes.size();) {
                 DWORD size = static_cast<DWORD>(
                     std::min<size_t>(bytes.size() - done, kMaxWriteBytes));
                 if (!WriteExactly(api, file, bytes.data() + done, size)) {
                   return false;
                 }
                 done += size;
               }
               return true;
             }) == kModelFileWritten;
}
