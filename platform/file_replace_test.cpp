// A replace finds a free temporary name beside its target, and tries again
// only where the name it tried was taken.
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/faulty_file_api.h"
#include "tests/scoped_temp_dir.h"

namespace {

using Names = std::vector<std::string>;

TEST(FileReplaceTest, OnlyATakenTemporaryNameIsTriedAgain) {
  const struct {
    const char* name;
    int taken_names;
    const char* directory;
    int32_t status;
    int creates;
  } kCases[] = {
      {"three names taken", 3, "", kReplaceDone, 4},
      {"every name taken", 1000, "", kReplaceCannotCreate, 16},
      {"missing directory", 0, "missing/", kReplaceCannotCreate, 1},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    Faults() = FileFaults();
    Faults().taken_names = c.taken_names;
    const std::string path = dir.PathOf(c.directory) + "m.t3m";
    EXPECT_EQ(ReplaceFileWhole(path.c_str(), FaultyFileApi(),
                               [](const FileApi& api, HANDLE file) {
                                 return WriteExactly(api, file, "new", 3);
                               }),
              c.status)
        << c.name;
    EXPECT_EQ(Faults().creates, c.creates) << c.name;
    EXPECT_EQ(dir.List(), c.status == kReplaceDone ? Names{"m.t3m"} : Names{})
        << c.name;
  }
}

}  // namespace
