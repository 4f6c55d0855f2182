// Whole-file reading and writing for the tool, with every descriptor owned by
// an object that closes it.
#include "t3m/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

constexpr size_t kReadChunkBytes = 1 << 16;
constexpr int kTempNameAttempts = 16;

// The directory part of path, separator included; empty for a bare name.
std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

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
  const std::string directory = DirectoryOf(path);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    char name[64];
    std::snprintf(name, sizeof name, ".~t3m%ld-%d.tmp",
                  static_cast<long>(getpid()), attempt);
    const std::string temp = directory + name;
    // 0666 less the umask, as any new file of the user's gets.
    FileDescriptor file(
        open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid()) {
      // Only a name already taken is worth another try.
      if (errno == EEXIST) continue;
      return false;
    }
    bool written = WriteAll(file.get(), bytes);
    // Closed before the move: a failed close may mean lost data.
    written = file.Close() && written;
    if (written && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
  }
  return false;
}
