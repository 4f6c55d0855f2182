// Reads a text file into a table: one row per line, each row the line's
// comma-separated, optionally quoted fields.
#ifndef TURNEL_PLOT_TEXT_TABLE_H_
#define TURNEL_PLOT_TEXT_TABLE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "plot/bounded_list.h"
#include "plot/field_splitter.h"
#include "plot/field_text.h"
#include "plot/line_reader.h"

// A row keeps at most 1024 fields and a table at most 65536 rows; whatever
// lies beyond is read and dropped.
constexpr int32_t kMaxFieldsPerRow = 1024;
constexpr int32_t kMaxTableRows = 65536;

using FieldList = BoundedList<FieldText, kMaxFieldsPerRow>;
using RowList = BoundedList<FieldList, kMaxTableRows>;

class TextTable {
 public:
  TextTable() = default;
  TextTable(const TextTable&) = delete;
  TextTable& operator=(const TextTable&) = delete;

  // 1 when the whole file was read into rows; 0 when it cannot be opened
  // (rows untouched) or reading it failed (rows hold what was read so far).
  // Rows past max_rows (at most kMaxTableRows) are read, and can fail the
  // read, but are not kept. Prints nothing and throws nothing.
  int ReadAll(const char* path, RowList& rows,
              int32_t max_rows = kMaxTableRows);

 private:
  int ReadRow(FieldList* row);
  int SplitLine(const std::string& line, std::vector<std::string>* tokens);
  // Takes the tokens' texts over.
  int StoreFields(std::vector<std::string>* tokens, FieldList* row);
  void Attach(TextStream* stream);
  bool IsEof() const;

  FieldSplitter splitter_;
  LineReader reader_;
  TextStream* stream_ = nullptr;
  // Refilled for every line; kept here so that a line of many fields does not
  // regrow it each time.
  std::vector<std::string> tokens_;
};

#endif  // TURNEL_PLOT_TEXT_TABLE_H_
