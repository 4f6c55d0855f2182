// STUB: to be replaced by the plot reader.
#ifndef TURNEL_PLOT_TEXT_TABLE_H_
#define TURNEL_PLOT_TEXT_TABLE_H_
class RowList {};
class TextTable {
 public:
  int ReadAll(const char* path, RowList& rows);
};
#endif
