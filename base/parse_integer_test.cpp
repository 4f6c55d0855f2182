// The decimal conversion takes exactly what strtol takes, within 32 bits.
#include "base/parse_integer.h"

#include <gtest/gtest.h>

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

}  // namespace
