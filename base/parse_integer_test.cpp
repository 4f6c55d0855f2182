// The decimal conversion takes exactly what strtol takes, within 32 bits.
#include "base/parse_integer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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

// strtol itself, wrapped as the conversion is described.
int Reference(const char* text, int32_t* value) {
  *value = 0;
  errno = 0;
  char* end = nullptr;
  const long long result = std::strtoll(text, &end, 10);
  if (end == text || errno == ERANGE || result < INT32_MIN ||
      result > INT32_MAX) {
    return 0;
  }
  *value = static_cast<int32_t>(result);
  return 1;
}

TEST(ParseIntegerTest, AgreesWithStrtolOnEveryShortText) {
  // Every text of up to four characters from these, and each with a long
  // run of digits after it.
  const std::string kAlphabet = " \t\v+-09x.";
  std::vector<std::string> texts = {""};
  for (int length = 0; length < 4; ++length) {
    const size_t before = texts.size();
    for (size_t i = 0; i < before; ++i) {
      if (texts[i].size() != static_cast<size_t>(length)) continue;
      for (char c : kAlphabet) texts.push_back(texts[i] + c);
    }
  }
  for (const std::string& start : texts) {
    for (const std::string& text :
         {start, start + "2147483647", start + "2147483648",
          start + "00000000000000000000012"}) {
      int32_t value = 1;
      int32_t expected = 1;
      const int result = ParseInteger(text.c_str(), 10, &value);
      ASSERT_EQ(result, Reference(text.c_str(), &expected))
          << "[" << text << "]";
      ASSERT_EQ(value, expected) << "[" << text << "]";
    }
  }
}

}  // namespace
