// The /a and path rules, and the decimal conversion they share with the plot.
#include "app/argument_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "app/messages.h"

namespace {

// A catalogue text as the screen shows it once printed: "%%" becomes "%".
std::string Printed(const char* message) {
  std::string text = message;
  size_t at = text.find("%%");
  if (at != std::string::npos) text.erase(at, 1);
  return text;
}

struct IntegerCase {
  const char* text;
  int result;
  int32_t value;
};

TEST(ParseIntegerTest, ConvertsExactlyTheSigned32BitRange) {
  const IntegerCase kCases[] = {
      {"0", 1, 0},
      {"+7", 1, 7},
      {"7x", 1, 7},
      {" \t\n\v\f\r7", 1, 7},
      {"-2147483648", 1, INT32_MIN},
      {"2147483647", 1, INT32_MAX},
      {"2147483648", 0, 0},
      {"-2147483649", 0, 0},
      {"99999999999", 0, 0},
      {"99999999999999999999999", 0, 0},
      {"0x5", 1, 0},
      {"1.5", 1, 1},
      {"", 0, 0},
      {"   ", 0, 0},
      {"-", 0, 0},
      {"+", 0, 0},
      {"x", 0, 0},
      {"- 1", 0, 0},
  };
  for (const IntegerCase& c : kCases) {
    int32_t value = 12345;
    EXPECT_EQ(ParseInteger(c.text, 10, &value), c.result) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

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
    testing::internal::CaptureStdout();
    EXPECT_EQ(AccuracyChecker().Check(c.text, &accuracy), c.result) << c.text;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message) << c.text;
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
    testing::internal::CaptureStdout();
    int result = PathChecker().CheckAndStore(c.path, &field);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, Printed(c.message)) << c.name;
    EXPECT_EQ(result, *c.message == '\0' ? 1 : 0) << c.name;
    EXPECT_EQ(field, *c.message == '\0' ? c.path : "before") << c.name;
  }
}

}  // namespace
