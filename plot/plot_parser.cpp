// Turns the rows of a plot file into profile points, naming the first line
// that is not a valid point.
#include "plot/plot_parser.h"

#include "base/limits.h"
#include "base/messages.h"
#include "base/parse_integer.h"

int PlotParser::Parse(const RowList& rows, PlotList& points) {
  if (rows.Count() > kMaxPlotRows) {
    PrintMessage(msg::kPlotTooManyRows);
    return 0;
  }
  points.Reserve(points.Count() + rows.Count());
  for (int32_t i = 0; i < rows.Count(); ++i) {
    const FieldList& row = rows.At(i);
    if (row.Count() != 2) {
      PrintMessage(msg::kPlotFieldCount, static_cast<int>(i));
      return 0;
    }
    PlotPoint point;
    if (!ParseRow(row, i, &point)) return 0;
    points.Append(point);
  }
  return 1;
}

int PlotParser::ParseRow(const FieldList& row, int32_t line, PlotPoint* point) {
  int32_t x = 0;
  if (!ParseX(row.At(0), line, &x)) return 0;
  int32_t y = 0;
  if (!ParseY(row.At(1), line, &y)) return 0;
  point->x = static_cast<double>(x);
  point->y = static_cast<double>(y);
  return 1;
}

namespace {

// The field's whole text as a decimal integer; a message for the line when it
// holds none.
int ConvertField(const FieldText& field, int32_t line, int32_t* n) {
  if (ParseInteger(field.Text(), 10, n)) return 1;
  PrintMessage(msg::kPlotConversion, static_cast<int>(line));
  return 0;
}

}  // namespace

int PlotParser::ParseX(const FieldText& field, int32_t line, int32_t* x) {
  int32_t n = 0;
  if (!ConvertField(field, line, &n)) return 0;
  // -|n| without negating a negative n, so that -2147483648 stays in range of
  // the type and is refused below like any other number past the limit.
  int32_t v = n < 0 ? n : -n;
  if (v < -kMaxPlotValue || v > 0) {
    PrintMessage(msg::kPlotOutOfRange, static_cast<int>(line));
    return 0;
  }
  *x = v;
  return 1;
}

int PlotParser::ParseY(const FieldText& field, int32_t line, int32_t* y) {
  int32_t n = 0;
  if (!ConvertField(field, line, &n)) return 0;
  if (n < -kMaxPlotValue || n > kMaxPlotValue) {
    PrintMessage(msg::kPlotOutOfRange, static_cast<int>(line));
    return 0;
  }
  *y = n;
  return 1;
}
