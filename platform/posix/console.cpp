// Which form of the messages the console shows, on POSIX: the terminal's
// locale, as the environment names it, decides.
#include "platform/console.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstring>

namespace {

bool LocaleIsUtf8() {
  // The programs themselves run in the "C" locale, whose conversions and
  // character classes they rely on; the user's is only looked at.
  if (std::setlocale(LC_CTYPE, "") == nullptr) return false;
  const char* codeset = nl_langinfo(CODESET);
  const bool utf8 = codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
  std::setlocale(LC_CTYPE, "C");
  return utf8;
}

}  // namespace

bool ConsoleShowsUtf8() {
  // A pipe or a file costs no look at the locale.
  static const bool shows = isatty(STDOUT_FILENO) && LocaleIsUtf8();
  return shows;
}
