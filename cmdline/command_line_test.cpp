// How an argument vector splits into positional arguments and options, and
// which arguments make it unusable.
#include "cmdline/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Split {
  int positionals_result;
  int options_result;
  PositionalList list;
  OptionMap map;
};

Split SplitArgs(std::vector<std::string> args) {
  args.insert(args.begin(), "turnel");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(&arg[0]);
  argv.push_back(nullptr);
  CommandLine command_line(argv.data(), static_cast<int32_t>(args.size()));
  Split split;
  split.positionals_result = command_line.GetPositionals(&split.list);
  split.options_result = command_line.GetOptions(&split.map);
  return split;
}

struct UsableCase {
  const char* name;
  std::vector<std::string> args;
  PositionalList list;
  OptionMap map;
};

TEST(CommandLineTest, UsableCommandLinesGiveTheirListAndMap) {
  const std::string arg511(511, 'p');
  const UsableCase kCases[] = {
      {"no option", {"p.txt", "m"}, {"p.txt", "m"}, {}},
      {"slash option first", {"/a:5", "p.txt", "m"}, {"p.txt", "m"},
       {{'a', "5"}}},
      {"dash option between", {"p.txt", "-a:5", "m"}, {"p.txt", "m"},
       {{'a', "5"}}},
      {"upper case letter last", {"p.txt", "m", "/A:5"}, {"p.txt", "m"},
       {{'a', "5"}}},
      {"flag form", {"/a", "p.txt", "m"}, {"p.txt", "m"}, {{'a', ""}}},
      {"value kept whole", {"/a:5:6", "p.txt", "m"}, {"p.txt", "m"},
       {{'a', "5:6"}}},
      {"value with a space", {"/a: 7", "p.txt", "m"}, {"p.txt", "m"},
       {{'a', " 7"}}},
      {"other letter", {"/x:7", "p.txt", "m"}, {"p.txt", "m"}, {{'x', "7"}}},
      {"empty positional", {"", "m"}, {"", "m"}, {}},
      {"511-byte argument", {arg511, "m"}, {arg511, "m"}, {}},
  };
  for (const UsableCase& c : kCases) {
    Split split = SplitArgs(c.args);
    EXPECT_EQ(split.positionals_result, 1) << c.name;
    EXPECT_EQ(split.options_result, 1) << c.name;
    EXPECT_EQ(split.list, c.list) << c.name;
    EXPECT_EQ(split.map, c.map) << c.name;
  }
}

TEST(CommandLineTest, ClassifiesOptionForms) {
  EXPECT_EQ(CommandLine::ClassifyOption("/a"), 0);
  EXPECT_EQ(CommandLine::ClassifyOption("-Z"), 0);
  EXPECT_EQ(CommandLine::ClassifyOption("/a:1"), 1);
  EXPECT_EQ(CommandLine::ClassifyOption("/a:"), 2);
  EXPECT_EQ(CommandLine::ClassifyOption("/a1"), 2);
}

}  // namespace
