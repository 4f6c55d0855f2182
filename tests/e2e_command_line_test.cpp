// The built program's start, command line and shut-down, seen from outside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/messages.h"
#include "tests/console_text.h"
#include "tests/run_program.h"

namespace {

// The usage line as the user's console receives it.
std::string Usage() {
  return OnConsole(ToCp932("使い方: turnel [/a:精密度] プロット モデル名\n"));
}

struct Case {
  const char* name;
  std::vector<std::string> args;
};

TEST(EndToEndCommandLineTest, UnusableCommandLinesPrintOnlyTheUsageLine) {
  const Case kCases[] = {
      {"no arguments", {}},
      {"one positional", {"p.txt"}},
      {"three positionals", {"p.txt", "m", "x"}},
      {"two options", {"/a:5", "/x", "p.txt", "m"}},
      {"repeated letter", {"/a:5", "/A:6", "p.txt", "m"}},
      {"dash and slash of one letter", {"-a", "/a:2", "p.txt", "m"}},
      {"two letters in one option", {"/ab", "p.txt", "m"}},
      {"lone dash", {"-", "p.txt", "m"}},
      {"lone slash", {"/", "p.txt", "m"}},
      {"colon without value", {"/a:", "p.txt", "m"}},
      {"digit letter", {"/1", "p.txt", "m"}},
      {"negative number", {"-5", "p.txt", "m"}},
      {"absolute path as option", {"/tmp/x", "p.txt", "m"}},
      {"512-byte positional", {std::string(512, 'p'), "m"}},
      {"512-byte option value", {"/a:" + std::string(509, '5'), "p.txt", "m"}},
  };
  for (const Case& c : kCases) {
    RunResult result = RunProgram(TurnelPath(), c.args);
    EXPECT_EQ(result.out, Usage()) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
  }
}

struct RuleCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

TEST(EndToEndCommandLineTest, ArgumentRulesPrintTheirOneMessage) {
  const RuleCase kCases[] = {
      {"hex-looking accuracy",
       {"/a:0x5", "p.txt", "m"},
       msg::kAccuracyOutOfRange},
      {"lowest 32-bit accuracy",
       {"/a:-2147483648", "p.txt", "m"},
       msg::kAccuracyOutOfRange},
      {"accuracy past 32 bits",
       {"/a:99999999999", "p.txt", "m"},
       msg::kAccuracyNotNumber},
      {"accuracy flag without value",
       {"/a", "p.txt", "m"},
       msg::kAccuracyNotNumber},
      {"plot path of 260 bytes",
       {std::string(260, 'p'), "m"},
       msg::kPathTooLong},
      {"plot path on CONOUT$", {"CONOUT$x", "m"}, msg::kPathInvalid},
      {"plot path with percent", {"100%.txt", "m"}, msg::kPathHasPercent},
      {"lower-case conin$ is a plain name",
       {"conin$", "m"},
       msg::kPlotOpenFailed},
  };
  for (const RuleCase& c : kCases) {
    RunResult result = RunProgram(TurnelPath(), c.args);
    EXPECT_EQ(result.out, OnConsole(Printed(c.message))) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
  }
}

struct LogCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> env;
  std::vector<std::string> args;
  std::string log;
};

TEST(EndToEndCommandLineTest, TheLibraryIsShutDownOnceWhenItStarted) {
  ScopedTempDir dir;
  dir.Write("vase.txt", "0,0\n50,0\n50,100\n");
  const std::string log = dir.PathOf("calls.log");
  const LogCase kCases[] = {
      {"library fails to start", {{"T3D_FAKE_INIT", "0"}}, {}, "Init\n"},
      {"usage line", {}, {}, "Init\nUnInit\n"},
      {"bad accuracy", {}, {"/a:0", "vase.txt", "m"}, "Init\nUnInit\n"},
      {"model refused",
       {{"T3D_FAKE_CREATE", "0"}},
       {"vase.txt", "m"},
       "Init\nCreateModel 27 96\nUnInit\n"},
  };
  for (const LogCase& c : kCases) {
    std::remove(log.c_str());
    RunOptions options;
    options.cwd = dir.path();
    options.env = c.env;
    options.env.push_back({"T3D_FAKE_LOG", log});
    RunResult result = RunProgram(FakeTurnelPath(), c.args, options);
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(dir.Read("calls.log"), c.log) << c.name;
  }
}

TEST(EndToEndCommandLineTest, ALibraryThatFailsToStartEndsTheRunAtOnce) {
  RunOptions options;
  options.env = {{"T3D_FAKE_INIT", "0"}};
  // Even an unusable command line is not looked at.
  RunResult result = RunProgram(FakeTurnelPath(), {"/ab"}, options);
  EXPECT_EQ(result.out, OnConsole(ToCp932("Torvane3Dの初期化に失敗\n")));
  EXPECT_EQ(result.status, 0);
}

TEST(EndToEndCommandLineTest, AUtf8TerminalGetsTheMessagesInUtf8) {
  const std::string usage_utf8 =
      "使い方: turnel [/a:精密度] プロット モデル名\n";
  const struct {
    const char* name;
    Output output;
    const char* locale;
    std::string out;
  } kCases[] = {
      {"pipe", Output::kPipe, "C.UTF-8", Usage()},
      {"UTF-8 terminal", Output::kTerminal, "C.UTF-8", usage_utf8},
      {"terminal of another character set", Output::kTerminal, "C", Usage()},
  };
  for (const auto& c : kCases) {
    // A Windows console shows the system's code page, whatever it is.
    if (WindowsProgram() && c.output == Output::kTerminal) continue;
    RunOptions options;
    options.output = c.output;
    options.env = {{"LC_ALL", c.locale}};
    RunResult result = RunProgram(TurnelPath(), {}, options);
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
  }
}

}  // namespace
