// Splits an argument vector into positional arguments and options, by the
// option rules both programs share: "/" or "-", one letter, and ":value".
#ifndef TURNEL_CMDLINE_COMMAND_LINE_H_
#define TURNEL_CMDLINE_COMMAND_LINE_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

typedef std::vector<std::string> PositionalList;
// Option letter, always lower case, to its value text (possibly empty).
typedef std::map<char, std::string> OptionMap;

class CommandLine {
 public:
  // Borrows the vector; index 0 is the program itself.
  CommandLine(char** argv, int32_t argc) : argv_(argv), argc_(argc) {}

  int GetPositionals(PositionalList* list);
  int GetOptions(OptionMap* map);

  // 0: flag form (/a); 1: valued form (/a:5); 2: neither.
  static int ClassifyOption(const char* arg);
  static bool IsPositional(const char* arg);
  static bool IsFlagForm(const char* arg);
  static bool IsValuedForm(const char* arg);
  static bool IsOptionPrefix(char c);
  static int AddOption(OptionMap* map, char letter, const char* value);

 private:
  char** argv_;
  int32_t argc_;
};

#endif  // TURNEL_CMDLINE_COMMAND_LINE_H_
