// The plot file reads as the Windows runtime reads text.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/scoped_temp_dir.h"

namespace {

std::string ReadThrough(const std::string& bytes) {
  ScopedTempDir dir;
  std::string path = dir.Write("plot.txt", bytes);
  TextFile file;
  EXPECT_TRUE(file.Open(path.c_str()));
  std::string text;
  char c;
  while (file.Stream().Get(&c)) text += c;
  EXPECT_FALSE(file.Stream().bad());
  return text;
}

struct TextCase {
  const char* name;
  std::string bytes;
  std::string text;
};

TEST(TextFileTest, AppliesTheTextModeRules) {
  const std::string big(70000, 'x');
  const TextCase kCases[] = {
      {"empty", "", ""},
      {"lf stays", "1,2\n3,4\n", "1,2\n3,4\n"},
      {"cr lf becomes lf", "1,2\r\n3,4\r\n", "1,2\n3,4\n"},
      {"lone cr stays", "1\r2\n", "1\r2\n"},
      {"cr at the end stays", "1,2\r", "1,2\r"},
      {"cr cr lf", "1\r\r\n", "1\r\n"},
      {"0x1a ends the input", "1,2\n\x1a" "3,4\n", "1,2\n"},
      {"cr before 0x1a stays", "1\r\x1a\n", "1\r"},
      {"nul is a character", std::string("1\0" "2", 3), std::string("1\0" "2", 3)},
      // The pair straddles the reader's chunk boundary.
      {"cr lf across chunks", std::string(65535, 'a') + "\r\nb",
       std::string(65535, 'a') + "\nb"},
      {"lone cr across chunks", std::string(65535, 'a') + "\rb",
       std::string(65535, 'a') + "\rb"},
      {"large", big, big},
  };
  for (const TextCase& c : kCases) {
    EXPECT_EQ(ReadThrough(c.bytes), c.text) << c.name;
  }
}

TEST(TextFileTest, RefusesWhatItCannotRead) {
  ScopedTempDir dir;
  TextFile file;
  EXPECT_FALSE(file.Open((dir.path() + "/missing.txt").c_str()));
  EXPECT_FALSE(file.Open(dir.path().c_str()));
}

}  // namespace
