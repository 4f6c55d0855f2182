// The built program's whole conversion: the model file it writes, where it
// writes it, its report line, and what a failed save leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/run_program.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const char kVasePlot[] = "0,0\n50,0\n50,100\n";
// Three rings of 11 vertices and 120 connection entries at accuracy 4.
const size_t kVaseFileBytes = 16 + 20 * 33 + 2 * 120;
// A directory name long enough to bring a model name near the path limit.
const std::string kDeep = std::string(200, 'd') + "/";

std::string SaveFailed() {
  return "t3m\x83t\x83@\x83"
         "C\x83\x8B\x82\xCC\x95\xDB\x91\xB6\x82\xC9\x8E\xB8"
         "\x94s" +
         LineEnd();
}

std::string ReportFor(const std::string& title) {
  return "vase.txt(acc=4) -> " + title + " (vt=33, cn=120)" + LineEnd();
}

// Every file under the directory, by its path relative to it, sorted.
Names AllFiles(const ScopedTempDir& dir) {
  Names names;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    if (entry.is_regular_file()) {
      names.push_back(fs::relative(entry.path(), dir.path()).string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

RunResult Convert(const ScopedTempDir& dir, const std::string& model_name,
                  long file_size_limit = -1) {
  RunOptions options;
  options.cwd = dir.path();
  options.file_size_limit = file_size_limit;
  return RunProgram(TurnelPath(), {"/a:4", "vase.txt", model_name}, options);
}

TEST(EndToEndSaveTest, TypicalRunWritesTheModelFileAndOneReportLine) {
  ScopedTempDir dir;
  dir.Write("vase.txt", kVasePlot);
  RunResult result = Convert(dir, "vase");
  EXPECT_EQ(result.out, ReportFor("vase.t3m"));
  EXPECT_EQ(result.status, 0);
  std::string file = dir.Read("vase.t3m");
  EXPECT_EQ(file.size(), kVaseFileBytes);
  EXPECT_EQ(file.substr(0, 16),
            std::string("T3M_\x01\0\0\0\x21\0\0\0\x78\0\0\0", 16));
  EXPECT_EQ(AllFiles(dir), (Names{"vase.t3m", "vase.txt"}));
}

TEST(EndToEndSaveTest, OutputPathFollowsTheModelName) {
  const std::string v54(54, 'v');
  const struct {
    std::string model_name;
    std::string written;  // "" where the save must fail
    std::string title;
  } kCases[] = {
      {"vase", "vase.t3m", "vase.t3m"},
      {"vase.t3m", "vase.t3m", "vase.t3m"},
      {"vase.T3M", "vase.T3M.t3m", "vase.T3M.t3m"},
      {"vase.txt", "vase.txt.t3m", "vase.txt.t3m"},
      {"vase.", "vase..t3m", "vase..t3m"},
      // A backslash separates directories only on Windows; the title is
      // what follows it either way.
      {"my.dir\\vase",
       WindowsProgram() ? "my.dir/vase.t3m" : "my.dir\\vase.t3m", "vase.t3m"},
      {"out/vase.t3m", "out/vase.t3m", "vase.t3m"},
      {kDeep + v54, kDeep + v54 + ".t3m", v54 + ".t3m"},  // 255 + 4 bytes
      {kDeep + v54 + "v", "", ""},                        // 256 + 4 bytes
      {"missing/vase", "", ""},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    dir.Write("vase.txt", kVasePlot);
    fs::create_directory(dir.PathOf("out"));
    fs::create_directory(dir.PathOf("my.dir"));
    fs::create_directory(dir.PathOf(kDeep));
    RunResult result = Convert(dir, c.model_name);
    EXPECT_EQ(result.out, c.written.empty() ? SaveFailed() : ReportFor(c.title))
        << c.model_name;
    EXPECT_EQ(result.status, 0) << c.model_name;
    Names files = {"vase.txt"};
    if (!c.written.empty()) {
      EXPECT_EQ(dir.Read(c.written).size(), kVaseFileBytes) << c.model_name;
      files.push_back(c.written);
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(AllFiles(dir), files) << c.model_name;
  }
}

TEST(EndToEndSaveTest, AnEarlierLongerFileIsReplacedWhole) {
  ScopedTempDir dir;
  dir.Write("vase.txt", kVasePlot);
  dir.Write("vase.t3m", std::string(5000, 'x'));
  EXPECT_EQ(Convert(dir, "vase").out, ReportFor("vase.t3m"));
  EXPECT_EQ(dir.Read("vase.t3m").size(), kVaseFileBytes);
}

TEST(EndToEndSaveTest, AWriteCutShortLeavesTheEarlierFileAsItWas) {
  const std::string earlier(2000, 'e');
  // Limits that stop the header, each count, each block, and the last byte.
  for (long limit : {0L, 7L, 8L, 12L, 16L, 675L, 915L}) {
    ScopedTempDir dir;
    dir.Write("vase.txt", kVasePlot);
    dir.Write("vase.t3m", earlier);
    RunResult result = Convert(dir, "vase", limit);
    EXPECT_EQ(result.out, SaveFailed()) << limit;
    EXPECT_EQ(result.status, 0) << limit;
    EXPECT_EQ(dir.Read("vase.t3m"), earlier) << limit;
    EXPECT_EQ(dir.List(), (Names{"vase.t3m", "vase.txt"})) << limit;
  }
}

}  // namespace
