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
      names.push_back(entry.path().lexically_relative(dir.path()).string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

RunResult Convert(const ScopedTempDir& dir, const std::string& model_name,
                  RunOptions options = RunOptions()) {
  options.cwd = dir.path();
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
  // 表示 in code page 932: its first character's second byte is a backslash.
  const std::string kDisplay = "\x95\x5c\x8e\xa6";
  const struct {
    std::string model_name;
    std::string written;  // "" where the save must fail
    std::string title;
    bool linux_only = false;  // Windows reads names in its own code page
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
      {kDisplay, kDisplay + ".t3m", kDisplay + ".t3m", true},
      // A slash always separates, even after bytes that could lead a
      // double-byte character, as UTF-8 names hold them.
      {"\xe3\x81\x82/m", "\xe3\x81\x82/m.t3m", "m.t3m", true},
  };
  for (const auto& c : kCases) {
    if (c.linux_only && WindowsProgram()) continue;
    ScopedTempDir dir;
    dir.Write("vase.txt", kVasePlot);
    for (const char* sub : {"out", "my.dir", "\xe3\x81\x82"}) {
      fs::create_directory(dir.PathOf(sub));
    }
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
    RunOptions options;
    options.file_size_limit = limit;
    RunResult result = Convert(dir, "vase", options);
    EXPECT_EQ(result.out, SaveFailed()) << limit;
    EXPECT_EQ(result.status, 0) << limit;
    EXPECT_EQ(dir.Read("vase.t3m"), earlier) << limit;
    EXPECT_EQ(dir.List(), (Names{"vase.t3m", "vase.txt"})) << limit;
  }
}

TEST(EndToEndSaveTest, AClosedOutputEndsNoSaveHalfway) {
  const std::string earlier(2000, 'e');
  const struct {
    const char* name;
    long file_size_limit;
    bool saved;
  } kCases[] = {
      {"the file is written whole", -1, true},
      {"a file-size limit still fails only the save", 16, false},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    dir.Write("vase.txt", kVasePlot);
    dir.Write("vase.t3m", earlier);
    RunOptions options;
    options.output = Output::kClosedPipe;
    options.file_size_limit = c.file_size_limit;
    EXPECT_EQ(Convert(dir, "vase", options).status, 0) << c.name;
    EXPECT_EQ(dir.Read("vase.t3m").size(), c.saved ? kVaseFileBytes : 2000)
        << c.name;
    EXPECT_EQ(dir.List(), (Names{"vase.t3m", "vase.txt"})) << c.name;
  }
}

TEST(EndToEndSaveTest, AReplaceKeepsTheProtectionsOfWhatItReplaces) {
  const struct {
    const char* name;
    fs::perms mode;
    bool linked;  // the model name is a link to real/vase.t3m
    bool saved;
  } kCases[] = {
      {"a read-only file is not replaced", fs::perms(0444), false, false},
      {"the permissions stay", fs::perms(0640), false, true},
      {"a link is written through and kept", fs::perms(0644), true, true},
  };
  for (const auto& c : kCases) {
    // The Windows program has read-only files but neither modes nor links.
    if (WindowsProgram() && c.saved) continue;
    ScopedTempDir dir;
    dir.Write("vase.txt", kVasePlot);
    fs::create_directory(dir.PathOf("real"));
    const std::string file = c.linked ? "real/vase.t3m" : "vase.t3m";
    dir.Write(file, "earlier");
    fs::permissions(dir.PathOf(file), c.mode);
    if (c.linked) fs::create_symlink("real/vase.t3m", dir.PathOf("vase.t3m"));
    EXPECT_EQ(Convert(dir, "vase").out,
              c.saved ? ReportFor("vase.t3m") : SaveFailed())
        << c.name;
    EXPECT_EQ(dir.Read(file).size(), c.saved ? kVaseFileBytes : 7) << c.name;
    EXPECT_EQ(fs::status(dir.PathOf(file)).permissions(), c.mode) << c.name;
    EXPECT_EQ(fs::is_symlink(dir.PathOf("vase.t3m")), c.linked) << c.name;
    // Nothing new beside them, a temporary file least of all.
    Names files = {file, "vase.txt"};
    if (c.linked) files.push_back("vase.t3m");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(AllFiles(dir), files) << c.name;
  }
}

}  // namespace
