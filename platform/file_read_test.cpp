// Reading a file stops at its end or at the limit, whichever comes first, and
// a failed read says so.
#include "platform/file_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/faulty_file_api.h"
#include "tests/scoped_temp_dir.h"

namespace {

TEST(FileReadTest, ReadsUpToTheLimitOrTheEnd) {
  const std::string big(3 * 65536 + 5, 'b');
  const struct {
    const char* name;
    std::string bytes;
    size_t limit;
    size_t read;
  } kCases[] = {
      {"empty file", "", 16, 0},
      {"shorter than the limit", "0123456789", 16, 10},
      {"cut at the limit", "0123456789", 4, 4},
      {"several chunks", big, big.size() + 1, big.size()},
      {"limit inside a later chunk", big, 65536 + 7, 65536 + 7},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    FileHandle file = OpenForReading(dir.Write("f", c.bytes).c_str());
    ASSERT_TRUE(file.valid()) << c.name;
    std::vector<unsigned char> bytes = {'h'};  // what is held stays in front
    EXPECT_TRUE(ReadUpTo(file, c.limit + 1, &bytes)) << c.name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "h" + c.bytes.substr(0, c.read))
        << c.name;
  }
}

TEST(FileReadTest, AFailedReadIsNoEndOfFile) {
  ScopedTempDir dir;
  const std::string path = dir.Write("f", "0123456789");
  Faults() = FileFaults();
  Faults().step = kFailRead;
  FileHandle file(
      RealFileApi().create_file(path.c_str(), GENERIC_READ, OPEN_EXISTING),
      FaultyFileApi());
  std::vector<unsigned char> bytes;
  EXPECT_FALSE(ReadUpTo(file, 16, &bytes));
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
