// STUB: to be replaced by the plot parser.
#ifndef TURNEL_PLOT_PLOT_PARSER_H_
#define TURNEL_PLOT_PLOT_PARSER_H_
#include "plot/plot_list.h"
#include "plot/text_table.h"
class PlotParser {
 public:
  int Parse(const RowList& rows, PlotList& points);
};
#endif
