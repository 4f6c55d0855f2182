// The /a and path checks: what each accepts, and the one message it prints.
#include "app/argument_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "base/messages.h"
#include "tests/console_text.h"

namespace {

struct AccuracyCase {
  const char* text;
  int result;
  int32_t accuracy;
  const char* message;
};

TEST(AccuracyCheckerTest, AcceptsOneToTenAndNamesWhatIsWrong) {
  const AccuracyCase kCases[] = {
      {"1", 1, 1, ""},
      {"10", 1, 10, ""},
      {"+7", 1, 7, ""},
      {" 7", 1, 7, ""},
      {"7x", 1, 7, ""},
      {"0", 0, 3, msg::kAccuracyOutOfRange},
      {"11", 0, 3, msg::kAccuracyOutOfRange},
      {"-3", 0, 3, msg::kAccuracyOutOfRange},
      {"0x5", 0, 3, msg::kAccuracyOutOfRange},
      {"-2147483648", 0, 3, msg::kAccuracyOutOfRange},
      {"x", 0, 3, msg::kAccuracyNotNumber},
      {"", 0, 3, msg::kAccuracyNotNumber},
      {"99999999999", 0, 3, msg::kAccuracyNotNumber},
      {"-2147483649", 0, 3, msg::kAccuracyNotNumber},
  };
  for (const AccuracyCase& c : kCases) {
    int32_t accuracy = 0;
    int result = 0;
    std::string out =
        StdoutOf([&] { result = AccuracyChecker().Check(c.text, &accuracy); });
    EXPECT_EQ(result, c.result) << c.text;
    EXPECT_EQ(out, c.message) << c.text;
    EXPECT_EQ(accuracy, c.accuracy) << c.text;
  }
}

struct PathCase {
  const char* name;
  std::string path;
  const char* message;  // empty: accepted
};

TEST(PathCheckerTest, TestsLengthThenPrefixThenPercent) {
  const std::string kanji = "\x95\x5c";  // one double-byte character
  std::string kanji130;
  for (int i = 0; i < 130; ++i) kanji130 += kanji;
  const PathCase kCases[] = {
      {"plain", "vase.txt", ""},
      {"empty", "", ""},
      {"259 bytes", std::string(259, 'a'), ""},
      {"260 bytes", std::string(260, 'a'), msg::kPathTooLong},
      {"129 double-byte characters", kanji130.substr(2), ""},
      {"130 double-byte characters", kanji130, msg::kPathTooLong},
      {"long, reserved and percent", "CONOUT$%" + std::string(260, 'a'),
       msg::kPathTooLong},
      {"backslash pair", "\\\\server\\share", msg::kPathInvalid},
      {"slash pair", "//server/share", msg::kPathInvalid},
      {"CONIN$", "CONIN$", msg::kPathInvalid},
      {"CONOUT$ and more", "CONOUT$x", msg::kPathInvalid},
      {"lower-case conin$", "conin$", ""},
      {"lower-case conout$", "conout$", ""},
      {"backslash pair after a drive", "C:\\\\x", ""},
      {"CONOUT$ in a directory", "dir/CONOUT$", ""},
      {"reserved and percent", "//100%", msg::kPathInvalid},
      {"percent", "100%.txt", msg::kPathHasPercent},
  };
  for (const PathCase& c : kCases) {
    std::string field = "before";
    int result = 0;
    std::string out =
        StdoutOf([&] { result = PathChecker().CheckAndStore(c.path, &field); });
    EXPECT_EQ(out, Printed(c.message)) << c.name;
    EXPECT_EQ(result, *c.message == '\0' ? 1 : 0) << c.name;
    EXPECT_EQ(field, *c.message == '\0' ? c.path : "before") << c.name;
  }
}

}  // namespace
