// Reading and checking the plot file, seen from outside the built program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/console_text.h"
#include "tests/run_program.h"
#include "tests/scoped_temp_dir.h"

namespace {

// The messages in code page 932, as the user's console receives them, without
// their line end; "%d" stands for the line index.
const std::string kOpenFailed = ToCp932("プロットファイルのオープンに失敗");
const std::string kTooManyRows = ToCp932("プロット数は最大で200までです");
const std::string kFieldCount =
    ToCp932("入力プロット %d行:１行の頂点数はx,yの２つです。");
const std::string kConversion = ToCp932("入力プロット %d行:数値変換に失敗。");
const std::string kOutOfRange = ToCp932("入力プロット %d行:値が範囲外です。");
// The words every per-line plot message begins with.
const std::string kPlotLinePrefix = ToCp932("入力プロット");
const std::string kAccuracyOutOfRange = ToCp932("/aの値は1～10までです");
const std::string kPathTooLong = ToCp932("パスは260文字以内にしてください");

// A message as printed, with its line index filled in.
std::string Shown(const std::string& message, int line = 0) {
  return Printed(message.c_str(), line) + LineEnd();
}

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line;
  return text;
}

// Text after a closing quote is skipped, so this 20479-character line holds
// the two fields 1 and 2.
const std::string kLine20479 = "\"1\"" + std::string(20474, 'x') + ",2";
// The byte that ends a text file's input.
const std::string kEndOfText = "\x1a";
// A field of 511 bytes that converts to 1.
const std::string kField511 = "1" + std::string(510, ' ');

// Runs the converter on a plot file with a valid model name.
RunResult RunWithPlot(const ScopedTempDir& dir, const std::string& plot) {
  dir.Write("plot.txt", plot);
  RunOptions options;
  options.cwd = dir.path();
  return RunProgram(TurnelPath(), {"plot.txt", "m"}, options);
}

struct RefusedCase {
  const char* name;
  std::string plot;
  std::string out;
};

TEST(EndToEndPlotTest, ABadPlotPrintsOneMessageAndWritesNothing) {
  const RefusedCase kCases[] = {
      {"blank line", "0,0\n\n1,1\n", Shown(kFieldCount, 1)},
      {"three fields", "1,2,3\n", Shown(kFieldCount, 0)},
      {"1025 fields keep 1024", "0,0\n" + Lines(1024, "1,") + "1\n",
       Shown(kFieldCount, 1)},
      {"letters", "0,0\n5,0\nabc,1\n", Shown(kConversion, 2)},
      {"overflow", "99999999999,0\n", Shown(kConversion, 0)},
      {"out of range", "0,0\n0,2501\n", Shown(kOutOfRange, 1)},
      {"201 lines", Lines(201, "0,0\n"), Shown(kTooManyRows)},
      {"201st line blank at the end", Lines(200, "0,0\n") + "\n",
       Shown(kTooManyRows)},
      {"CR LF ends lines like LF", "0,0\r\n0,0\r\n0,9999\r\n",
       Shown(kOutOfRange, 2)},
      {"lone CR ends no line", "0,0\r5,1\n", Shown(kFieldCount, 0)},
      {"line of 20480 characters", "0,0\n" + kLine20479 + "x\n",
       Shown(kOpenFailed)},
      {"field of 512 bytes", "0,0\n" + kField511 + " ,2\n", Shown(kOpenFailed)},
  };
  for (const RefusedCase& c : kCases) {
    ScopedTempDir dir;
    RunResult result = RunWithPlot(dir, c.plot);
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(dir.List(), std::vector<std::string>{"plot.txt"}) << c.name;
  }
}

TEST(EndToEndPlotTest, APlotPathThatIsNoReadableFileFailsToOpen) {
  ScopedTempDir dir;
  std::filesystem::create_directory(dir.PathOf("plots"));
  RunOptions options;
  options.cwd = dir.path();
  for (const char* path : {"plots", "missing.txt"}) {
    RunResult result = RunProgram(TurnelPath(), {path, "m"}, options);
    EXPECT_EQ(result.out, Shown(kOpenFailed)) << path;
    EXPECT_EQ(result.status, 0) << path;
  }
}

struct AcceptedCase {
  const char* name;
  std::string plot;
};

TEST(EndToEndPlotTest, AGoodPlotPassesWithoutAPlotMessage) {
  const AcceptedCase kCases[] = {
      {"200 lines", Lines(200, "0,0\n")},
      {"line of 20479 characters", "0,0\n" + kLine20479 + "\n"},
      {"field of 511 bytes", "0,0\n" + kField511 + ",2\n"},
      {"CR LF line ends", "0,0\r\n50,0\r\n50,100\r\n"},
      {"lone CR inside a number's field", "0,0\n50,\r100\n"},
      {"0x1A hides what follows it", "0,0\n50,100\n" + kEndOfText + "abc\n"},
  };
  for (const AcceptedCase& c : kCases) {
    ScopedTempDir dir;
    RunResult result = RunWithPlot(dir, c.plot);
    // Later stages decide the rest of the output.
    EXPECT_EQ(result.out.find(kOpenFailed), std::string::npos) << c.name;
    EXPECT_EQ(result.out.find(kTooManyRows), std::string::npos) << c.name;
    EXPECT_EQ(result.out.find(kPlotLinePrefix), std::string::npos) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
  }
}

struct OrderCase {
  const char* name;
  std::vector<std::string> args;
  std::string out;
};

TEST(EndToEndPlotTest, ThePlotIsCheckedBetweenTheAccuracyAndTheModelName) {
  ScopedTempDir dir;
  dir.Write("vase.txt", "0,0\n50,0\n50,100\n");
  dir.Write("bad.txt", "0,0\nx,1\n");
  const OrderCase kCases[] = {
      {"bad accuracy, missing plot",
       {"/a:0", "missing.txt", "m"},
       Shown(kAccuracyOutOfRange)},
      {"missing plot, model name with %",
       {"missing.txt", "m%"},
       Shown(kOpenFailed)},
      {"bad plot, model name with %", {"bad.txt", "m%"}, Shown(kConversion, 1)},
      {"good plot, model name of 260 bytes",
       {"vase.txt", std::string(260, 'm')},
       Shown(kPathTooLong)},
  };
  RunOptions options;
  options.cwd = dir.path();
  for (const OrderCase& c : kCases) {
    RunResult result = RunProgram(TurnelPath(), c.args, options);
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.status, 0) << c.name;
  }
}

}  // namespace
