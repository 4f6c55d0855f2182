// The decimal conversion that the /a value and the plot's numbers share.
#include "base/parse_integer.h"

#include <cerrno>
#include <cstdlib>

int ParseInteger(const char* text, int base, int32_t* value) {
  *value = 0;
  errno = 0;
  char* end = nullptr;
  // long long holds every 32-bit value on every platform, so the range test
  // below does not depend on how wide long is.
  long long result = std::strtoll(text, &end, base);
  if (end == text) return 0;
  if (errno == ERANGE || result < INT32_MIN || result > INT32_MAX) return 0;
  *value = static_cast<int32_t>(result);
  return 1;
}
