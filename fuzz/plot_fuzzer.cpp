// Fuzzes the plot reader and parser with the raw bytes of a plot file, and
// checks what they give against the file's line structure and the limits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plot/plot_parser.h"
#include "plot/text_table.h"

namespace {

// The line structure that text-mode reading gives the bytes, worked out here
// independently of the reader.
struct Lines {
  int64_t count = 0;
  size_t longest = 0;
  bool last_unterminated = false;
};

Lines CountLines(const uint8_t* data, size_t size) {
  std::string text;
  for (size_t i = 0; i < size && data[i] != 0x1A; ++i) {
    // CR LF reads as LF; any other CR stays.
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
    text.push_back(static_cast<char>(data[i]));
  }
  Lines lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    bool terminated = end != std::string::npos;
    if (!terminated) end = text.size();
    lines.longest = std::max(lines.longest, end - start);
    // A last line without LF whose text a zero byte ends at once is empty,
    // and an empty read at the end of the input is no line.
    if (terminated || text[start] != '\0') ++lines.count;
    lines.last_unterminated = !terminated;
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  RedirectStandardStreams("");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchDir() + "/plot.txt";
  WriteBytes(path, data, size);
  const Lines lines = CountLines(data, size);

  TextTable table;
  RowList rows;
  const int read = table.ReadAll(path.c_str(), rows);
  if (lines.longest > static_cast<size_t>(kLineBufferSize - 1)) {
    FUZZ_CHECK(!read);
  }
  if (!read) {
    // Only a line too long, or one holding a field too long, fails the read.
    FUZZ_CHECK(lines.longest > static_cast<size_t>(kMaxFieldBytes));
    return 0;
  }
  const int64_t expected_rows =
      std::min<int64_t>(lines.count, static_cast<int64_t>(kMaxTableRows));
  // A last line without LF that holds no field (only marker texts) ends the
  // input like the empty read does, so it makes no row.
  FUZZ_CHECK(rows.Count() == expected_rows ||
             (lines.last_unterminated && lines.count <= kMaxTableRows &&
              rows.Count() == expected_rows - 1));
  for (int32_t i = 0; i < rows.Count(); ++i) {
    const FieldList& row = rows.At(i);
    FUZZ_CHECK(row.Count() <= kMaxFieldsPerRow);
    for (int32_t j = 0; j < row.Count(); ++j) {
      FUZZ_CHECK(row.At(j).Length() <= kMaxFieldBytes);
    }
  }

  PlotList points;
  const int parsed = PlotParser().Parse(rows, points);
  if (rows.Count() > kMaxPlotRows) FUZZ_CHECK(!parsed && points.Count() == 0);
  if (!parsed) return 0;
  FUZZ_CHECK(points.Count() == rows.Count());
  for (int32_t i = 0; i < points.Count(); ++i) {
    const PlotPoint& point = points.At(i);
    FUZZ_CHECK(rows.At(i).Count() == 2);
    FUZZ_CHECK(point.x <= 0 && point.x >= -kMaxPlotValue);
    FUZZ_CHECK(point.y >= -kMaxPlotValue && point.y <= kMaxPlotValue);
    FUZZ_CHECK(point.x == static_cast<int32_t>(point.x));
    FUZZ_CHECK(point.y == static_cast<int32_t>(point.y));
  }
  return 0;
}
