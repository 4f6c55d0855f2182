// printf-style text added to the end of a string, for the text formats.
#include "t3m/append_format.h"

#include <cassert>
#include <cstdarg>
#include <cstdio>

void AppendFormat(std::string* out, const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  [[maybe_unused]] const int length =
      std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  assert(length >= 0 && static_cast<size_t>(length) < sizeof text);
  *out += text;
}
