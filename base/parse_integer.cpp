// The decimal conversion that the /a value and the plot's numbers share.
#include "base/parse_integer.h"

#include <cassert>

namespace {

// The white space strtol skips in the "C" locale the programs run in.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ParseInteger(const char* text, int base, int32_t* value) {
  // Every conversion the programs make is decimal; strtol's reading of base
  // 10 is done here without its locale lookups, as a plot holds hundreds of
  // numbers.
  assert(base == 10);
  (void)base;
  *value = 0;
  const char* p = text;
  while (IsSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (!IsDigit(*p)) return 0;
  // Past 2^31 the number is out of range whatever digits follow.
  int64_t magnitude = 0;
  for (; IsDigit(*p); ++p) {
    if (magnitude <= INT64_C(2147483648)) {
      magnitude = magnitude * 10 + (*p - '0');
    }
  }
  const int64_t result = negative ? -magnitude : magnitude;
  if (result < INT32_MIN || result > INT32_MAX) return 0;
  *value = static_cast<int32_t>(result);
  return 1;
}
