// A catalogue message filled in as the program fills it.
#include "tests/console_text.h"

#include <cstdarg>
#include <cstdio>

std::string Printed(const char* message, ...) {
  va_list args;
  va_start(args, message);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, message, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  std::vsnprintf(&text[0], text.size() + 1, message, again);
  va_end(again);
  return text;
}
