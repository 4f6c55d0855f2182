// Turns the rows of a plot file into profile points, naming the first line
// that is not a valid point.
#ifndef TURNEL_PLOT_PLOT_PARSER_H_
#define TURNEL_PLOT_PLOT_PARSER_H_

#include <cstdint>

#include "plot/plot_list.h"
#include "plot/text_table.h"

// Both numbers of a plot line lie within -2500 .. 2500.
constexpr int32_t kMaxPlotValue = 2500;

class PlotParser {
 public:
  // 1 with one point appended per row, in row order; or 0 after printing the
  // one message that names the first bad line (counted from 0). The points of
  // the rows before it stay appended.
  int Parse(const RowList& rows, PlotList& points);
  int ParseRow(const FieldList& row, int32_t line, PlotPoint* point);
  // x is minus the first number's absolute value: the profile lies on one
  // side of the axis whichever sign the plot gives it.
  int ParseX(const FieldText& field, int32_t line, int32_t* x);
  int ParseY(const FieldText& field, int32_t line, int32_t* y);
};

#endif  // TURNEL_PLOT_PLOT_PARSER_H_
