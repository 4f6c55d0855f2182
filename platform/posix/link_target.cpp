// Where a write to a path lands, on POSIX: each symbolic link is read in
// turn, a relative one taken from the directory that holds it.
#include "platform/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many as the system itself follows before it calls it a loop.
constexpr int kMaxLinks = 40;

}  // namespace

bool FollowLinks(const std::string& path, std::string* target) {
  std::string current = path;
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat info;
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      *target = current;
      return true;
    }
    // A link's size is its text's length, but it may change meanwhile.
    std::string link(static_cast<size_t>(info.st_size) + 256, '\0');
    const ssize_t n = readlink(current.c_str(), &link[0], link.size());
    if (n <= 0 || static_cast<size_t>(n) >= link.size()) return false;
    link.resize(static_cast<size_t>(n));
    if (link[0] != '/') {
      link.insert(0, current, 0, current.rfind('/') + 1);
    }
    current = link;
  }
  return false;
}
