// Plot rows become profile points, or the first bad line is named once.
#include "plot/plot_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "tests/console_text.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Points = std::vector<std::pair<double, double>>;

struct Parsed {
  int result;
  std::string out;
  Points points;
};

Parsed ParseRows(const Rows& texts) {
  RowList rows;
  for (const std::vector<std::string>& texts_of_row : texts) {
    FieldList row;
    for (const std::string& text : texts_of_row) {
      FieldText field;
      field.Assign(text);
      row.Add(field, -1);
    }
    rows.Add(row, -1);
  }
  PlotList list;
  int result = 0;
  std::string out = StdoutOf([&] { result = PlotParser().Parse(rows, list); });
  Points points;
  for (int32_t i = 0; i < list.Count(); ++i) {
    points.emplace_back(list.At(i).x, list.At(i).y);
  }
  return {result, out, points};
}

struct AcceptedCase {
  const char* name;
  Rows rows;
  Points points;
};

TEST(PlotParserTest, TurnsEachRowIntoAPointOnTheNegativeSide) {
  const AcceptedCase kCases[] = {
      {"rows in order",
       {{"0", "0"}, {"50", "0"}, {"50", "100"}},
       {{0, 0}, {-50, 0}, {-50, 100}}},
      {"no rows", {}, {}},
      {"either sign of the first number",
       {{"100", "200"}, {"-100", "200"}},
       {{-100, 200}, {-100, 200}}},
      {"the limits",
       {{"2500", "-2500"}, {"-2500", "2500"}},
       {{-2500, -2500}, {-2500, 2500}}},
      {"text after the digits", {{"1.5", "2x"}}, {{-1, 2}}},
      {"white space and signs", {{" 12 ", " +34"}}, {{-12, 34}}},
  };
  for (const AcceptedCase& c : kCases) {
    Parsed parsed = ParseRows(c.rows);
    EXPECT_EQ(parsed.result, 1) << c.name;
    EXPECT_EQ(parsed.out, "") << c.name;
    EXPECT_EQ(parsed.points, c.points) << c.name;
  }
}

struct RefusedCase {
  const char* name;
  Rows rows;
  const char* message;
  int line;
  size_t kept;  // points appended before the refusal
};

TEST(PlotParserTest, NamesTheFirstBadLineCountedFromZero) {
  const RefusedCase kCases[] = {
      {"no field", {{"0", "0"}, {}}, msg::kPlotFieldCount, 1, 1},
      {"one field", {{"5"}}, msg::kPlotFieldCount, 0, 0},
      {"three fields", {{"1", "2", "3"}}, msg::kPlotFieldCount, 0, 0},
      {"letters", {{"abc", "1"}}, msg::kPlotConversion, 0, 0},
      {"only a sign", {{"1", "-"}}, msg::kPlotConversion, 0, 0},
      {"empty field", {{"1", ""}}, msg::kPlotConversion, 0, 0},
      {"leading comma", {{"1", ",2"}}, msg::kPlotConversion, 0, 0},
      {"overflow", {{"99999999999", "0"}}, msg::kPlotConversion, 0, 0},
      {"x past 2500", {{"2501", "0"}}, msg::kPlotOutOfRange, 0, 0},
      {"x below -2500", {{"-2501", "0"}}, msg::kPlotOutOfRange, 0, 0},
      {"x of -2^31", {{"-2147483648", "0"}}, msg::kPlotOutOfRange, 0, 0},
      {"y past 2500", {{"0", "2501"}}, msg::kPlotOutOfRange, 0, 0},
      {"y below -2500", {{"0", "-2501"}}, msg::kPlotOutOfRange, 0, 0},
      {"x decides first", {{"9999", "x"}}, msg::kPlotOutOfRange, 0, 0},
      {"conversion first", {{"x", "9999"}}, msg::kPlotConversion, 0, 0},
      {"later lines unread",
       {{"0", "0"}, {"1", "1"}, {"0", "9999"}, {"x"}},
       msg::kPlotOutOfRange,
       2,
       2},
  };
  for (const RefusedCase& c : kCases) {
    Parsed parsed = ParseRows(c.rows);
    EXPECT_EQ(parsed.result, 0) << c.name;
    EXPECT_EQ(parsed.out, Printed(c.message, c.line)) << c.name;
    EXPECT_EQ(parsed.points.size(), c.kept) << c.name;
  }
}

TEST(PlotParserTest, TakesAtMost200Rows) {
  Parsed at_limit = ParseRows(Rows(200, {"1", "1"}));
  EXPECT_EQ(at_limit.result, 1);
  EXPECT_EQ(at_limit.points.size(), 200u);

  // The count is checked before any row is looked at.
  Parsed past_limit = ParseRows(Rows(201, {"x"}));
  EXPECT_EQ(past_limit.result, 0);
  EXPECT_EQ(past_limit.out, Printed(msg::kPlotTooManyRows));
  EXPECT_TRUE(past_limit.points.empty());
}

}  // namespace
