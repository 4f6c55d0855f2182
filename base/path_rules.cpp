// The rules a path must meet wherever the converter takes one.
#include "base/path_rules.h"

#include <cstring>

bool HasReservedPrefix(const char* path) {
  static const char* const kReservedPrefixes[] = {"\\\\", "//", "CONIN$",
                                                  "CONOUT$"};
  for (const char* prefix : kReservedPrefixes) {
    if (std::strncmp(path, prefix, std::strlen(prefix)) == 0) return true;
  }
  return false;
}

bool HasPercentSign(const char* path) {
  return std::strchr(path, '%') != nullptr;
}
