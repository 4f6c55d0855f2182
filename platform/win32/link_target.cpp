// Where a write to a path lands, on Windows: the path itself; the converter
// does not follow reparse points.
#include "platform/link_target.h"

bool FollowLinks(const std::string& path, std::string* target) {
  *target = path;
  return true;
}
