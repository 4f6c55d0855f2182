// On POSIX a replace follows symbolic links to the file they name, and an
// ending signal halfway leaves neither a temporary file nor a changed one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_replace.h"
#include "tests/scoped_temp_dir.h"

namespace {

using Names = std::vector<std::string>;

// Replaces path with "new" through the real calls.
int32_t ReplaceWithNew(const std::string& path) {
  return ReplaceFileWhole(path.c_str(), RealFileApi(),
                          [](const FileApi& api, HANDLE file) {
                            return WriteExactly(api, file, "new", 3);
                          });
}

TEST(FileReplaceTest, ALinkIsWrittenThroughAndKept) {
  namespace fs = std::filesystem;
  const struct {
    const char* name;
    std::vector<std::pair<const char*, const char*>> links;  // link, target
    int32_t status;
    const char* replaced;  // the file that holds "new"; null: none
  } kCases[] = {
      {"relative link into another directory",
       {{"m.t3m", "d/real.t3m"}},
       kReplaceDone,
       "d/real.t3m"},
      {"chain of links",
       {{"m.t3m", "d/l2"}, {"d/l2", "real.t3m"}},
       kReplaceDone,
       "d/real.t3m"},
      {"link to nothing yet",
       {{"m.t3m", "d/new.t3m"}},
       kReplaceDone,
       "d/new.t3m"},
      {"links in a loop",
       {{"m.t3m", "d/l2"}, {"d/l2", "../m.t3m"}},
       kReplaceCannotCreate,
       nullptr},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    fs::create_directory(dir.PathOf("d"));
    dir.Write("real.t3m", "old");
    dir.Write("d/real.t3m", "old");
    for (const auto& [link, target] : c.links) {
      fs::create_symlink(target, dir.PathOf(link));
    }
    EXPECT_EQ(ReplaceWithNew(dir.PathOf("m.t3m")), c.status) << c.name;
    EXPECT_TRUE(fs::is_symlink(dir.PathOf("m.t3m"))) << c.name;
    if (c.replaced != nullptr) {
      EXPECT_EQ(dir.Read(c.replaced), "new") << c.name;
    }
    for (const char* untouched : {"real.t3m", "d/real.t3m"}) {
      if (c.replaced == nullptr || std::string(untouched) != c.replaced) {
        EXPECT_EQ(dir.Read(untouched), "old") << c.name << " " << untouched;
      }
    }
  }
}

TEST(FileReplaceTest, AnEndingSignalHalfwayRemovesTheTemporaryFile) {
  const struct {
    const char* name;
    int signal_number;
    bool ignored;  // the process ignores it and goes on
  } kCases[] = {
      {"interrupt", SIGINT, false},
      {"termination", SIGTERM, false},
      {"hang-up", SIGHUP, false},
      {"ignored hang-up", SIGHUP, true},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    dir.Write("m.t3m", "earlier");
    const std::string path = dir.PathOf("m.t3m");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (c.ignored) signal(c.signal_number, SIG_IGN);
      const int32_t status = ReplaceFileWhole(
          path.c_str(), RealFileApi(), [&c](const FileApi& api, HANDLE file) {
            bool written = WriteExactly(api, file, "ne", 2);
            raise(c.signal_number);
            return written && WriteExactly(api, file, "w", 1);
          });
      _exit(status == kReplaceDone ? 0 : 1);
    }
    int wait_status = 0;
    ASSERT_EQ(waitpid(child, &wait_status, 0), child);
    if (c.ignored) {
      EXPECT_TRUE(WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0)
          << c.name;
      EXPECT_EQ(dir.Read("m.t3m"), "new") << c.name;
    } else {
      EXPECT_TRUE(WIFSIGNALED(wait_status) &&
                  WTERMSIG(wait_status) == c.signal_number)
          << c.name;
      EXPECT_EQ(dir.Read("m.t3m"), "earlier") << c.name;
    }
    EXPECT_EQ(dir.List(), Names{"m.t3m"}) << c.name;
  }
}

}  // namespace
