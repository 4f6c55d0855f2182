// Splits an argument vector into positional arguments and options.
#include "cmdline/command_line.h"

#include "base/limits.h"
#include "winapi.h"

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool TooLong(const char* arg) { return lstrlenA(arg) > kMaxArgumentBytes; }

}  // namespace

int CommandLine::GetPositionals(PositionalList* list) {
  list->clear();
  for (int32_t i = 1; i < argc_; ++i) {
    if (TooLong(argv_[i])) return 0;
    if (IsPositional(argv_[i])) list->push_back(argv_[i]);
  }
  return 1;
}

int CommandLine::GetOptions(OptionMap* map) {
  map->clear();
  for (int32_t i = 1; i < argc_; ++i) {
    const char* arg = argv_[i];
    if (TooLong(arg)) return 0;
    if (IsPositional(arg)) continue;
    int added = 0;
    switch (ClassifyOption(arg)) {
      case 0:
        added = AddOption(map, arg[1], "");
        break;
      case 1:
        added = AddOption(map, arg[1], arg + 3);
        break;
      default:
        return 0;
    }
    if (!added) return 0;
  }
  return 1;
}

int CommandLine::ClassifyOption(const char* arg) {
  if (IsFlagForm(arg)) return 0;
  if (IsValuedForm(arg)) return 1;
  return 2;
}

bool CommandLine::IsPositional(const char* arg) {
  return !IsOptionPrefix(arg[0]);
}

bool CommandLine::IsFlagForm(const char* arg) {
  return lstrlenA(arg) >= 2 && IsOptionPrefix(arg[0]) &&
         IsAsciiLetter(arg[1]) && arg[2] == '\0';
}

bool CommandLine::IsValuedForm(const char* arg) {
  return lstrlenA(arg) >= 3 && IsOptionPrefix(arg[0]) &&
         IsAsciiLetter(arg[1]) && arg[2] == ':' && arg[3] != '\0';
}

bool CommandLine::IsOptionPrefix(char c) { return c == '/' || c == '-'; }

int CommandLine::AddOption(OptionMap* map, char letter, const char* value) {
  if (letter >= 'A' && letter <= 'Z')
    letter = static_cast<char>(letter - 'A' + 'a');
  // A repeated letter is never overwritten: it makes the line unusable.
  if (map->count(letter) != 0) return 0;
  (*map)[letter] = value;
  return 1;
}
