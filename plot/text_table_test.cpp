// The plot file's physical format: lines, line ends, fields, quoting, limits.
#include "plot/text_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/scoped_temp_dir.h"
#include "winapi.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The byte that ends a text file's input.
const std::string kEndOfText = "\x1a";

Rows Texts(const RowList& rows) {
  Rows texts;
  for (int32_t i = 0; i < rows.Count(); ++i) {
    texts.emplace_back();
    for (int32_t j = 0; j < rows.At(i).Count(); ++j) {
      texts.back().push_back(rows.At(i).At(j).Text());
    }
  }
  return texts;
}

struct ReadResult {
  int result;
  Rows rows;
};

ReadResult ReadBytes(const std::string& bytes) {
  ScopedTempDir dir;
  std::string path = dir.Write("plot.txt", bytes);
  RowList rows;
  int result = TextTable().ReadAll(path.c_str(), rows);
  return {result, Texts(rows)};
}

struct CutCase {
  const char* line;
  std::vector<std::string> fields;
};

TEST(TextTableTest, CutsEachLineIntoItsFields) {
  const CutCase kCases[] = {
      {"12,34", {"12", "34"}},
      {"12,34,", {"12", "34"}},
      {"12,34,,", {"12", "34", ","}},
      {"12,,34", {"12", ",34"}},
      {",12", {",12"}},
      {" 12 , 34", {" 12 ", " 34"}},
      {"\"1,2\",3", {"1,2", "3"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"ab\"cd,3", {"ab", "3"}},
      {"\"ab", {"ab"}},
      {"", {}},
      {"#EMPTY_LINE", {}},
  };
  for (const CutCase& c : kCases) {
    ReadResult read = ReadBytes(std::string(c.line) + "\n");
    EXPECT_EQ(read.result, 1) << "[" << c.line << "]";
    EXPECT_EQ(read.rows, Rows{c.fields}) << "[" << c.line << "]";
  }
}

struct FileCase {
  const char* name;
  std::string bytes;
  int result;
  Rows rows;
};

void ExpectReads(const FileCase& c) {
  ReadResult read = ReadBytes(c.bytes);
  EXPECT_EQ(read.result, c.result) << c.name;
  EXPECT_EQ(read.rows, c.rows) << c.name;
}

TEST(TextTableTest, MakesOneRowPerLine) {
  const FileCase kCases[] = {
      {"empty file", "", 1, {}},
      {"last line without LF", "1,2\n3,4", 1, {{"1", "2"}, {"3", "4"}}},
      {"final LF adds no row", "1,2\n", 1, {{"1", "2"}}},
      {"blank line at the end", "1,2\n\n", 1, {{"1", "2"}, {}}},
      {"blank line in the middle",
       "1,2\n\n3,4\n",
       1,
       {{"1", "2"}, {}, {"3", "4"}}},
      {"CR LF as LF", "1,2\r\n3,4\r\n", 1, {{"1", "2"}, {"3", "4"}}},
      {"lone CR stays in the field", "1\r2,3\n", 1, {{"1\r2", "3"}}},
      {"0x1A ends the input", "1,2\n" + kEndOfText + "3,4\n", 1, {{"1", "2"}}},
      {"0x1A inside a line ends it",
       "1,2" + kEndOfText + "3,4\n",
       1,
       {{"1", "2"}}},
      {"marker field in a row",
       "1,#EMPTY_LINE,\"#EMPTY_LINE\",2\n",
       1,
       {{"1", "2"}}},
      {"quoted marker alone", "\"#EMPTY_LINE\"\n", 1, Rows(1)},
      {"marker as the last line without LF",
       "1,2\n#EMPTY_LINE",
       1,
       {{"1", "2"}}},
      {"a zero byte ends the line's text",
       std::string("1\0,2\n3\n", 7),
       1,
       {{"1"}, {"3"}}},
  };
  for (const FileCase& c : kCases) ExpectReads(c);
}

TEST(TextTableTest, HoldsLinesAndFieldsToTheirLimits) {
  // Text after a closing quote is skipped, so a long line can hold two short
  // fields.
  const std::string line_20479 = "\"1\"" + std::string(20474, 'x') + ",2";
  const std::string field_511(511, 'f');
  std::string fields_1025 = "0";
  for (int i = 1; i < 1025; ++i) fields_1025 += "," + std::to_string(i);
  std::vector<std::string> first_1024;
  for (int i = 0; i < 1024; ++i) first_1024.push_back(std::to_string(i));
  const FileCase kCases[] = {
      {"line of 20479 characters", line_20479 + "\n", 1, {{"1", "2"}}},
      {"line of 20479 characters and CR LF",
       line_20479 + "\r\n",
       1,
       {{"1", "2"}}},
      {"line of 20479 characters at the end", line_20479, 1, {{"1", "2"}}},
      {"line of 20480 characters fails, earlier rows stay",
       "1,2\n" + line_20479 + "x\n3,4\n",
       0,
       {{"1", "2"}}},
      {"line of 20480 characters at the end", line_20479 + "x", 0, {}},
      {"field of 511 bytes", field_511 + ",2\n", 1, {{field_511, "2"}}},
      {"quotes are not counted", "\"" + field_511 + "\"\n", 1, {{field_511}}},
      {"field of 512 bytes fails",
       "1,2\n" + field_511 + "f,2\n",
       0,
       {{"1", "2"}}},
      {"1025 fields keep the first 1024", fields_1025 + "\n", 1, {first_1024}},
  };
  for (const FileCase& c : kCases) ExpectReads(c);
}

TEST(TextTableTest, KeepsTheFirst65536RowsOfALongerFile) {
  std::string bytes;
  for (int i = 0; i < 65537; ++i) bytes += std::to_string(i) + ",0\n";
  ReadResult read = ReadBytes(bytes);
  EXPECT_EQ(read.result, 1);
  ASSERT_EQ(read.rows.size(), 65536u);
  EXPECT_EQ(read.rows.back(), (std::vector<std::string>{"65535", "0"}));
}

TEST(TextTableTest, KeepsOnlyTheRowsAskedForYetReadsTheWholeFile) {
  const std::string five_rows = "1,2\n3,4\n5,6\n7,8\n9,0\n";
  const FileCase kCases[] = {
      {"rows past the cap are dropped", five_rows, 1, {{"1", "2"}, {"3", "4"}}},
      {"a line too long past the cap fails the read",
       five_rows + std::string(20480, 'x') + "\n",
       0,
       {{"1", "2"}, {"3", "4"}}},
      {"a field too long past the cap fails the read",
       five_rows + std::string(512, 'f') + "\n",
       0,
       {{"1", "2"}, {"3", "4"}}},
  };
  for (const FileCase& c : kCases) {
    ScopedTempDir dir;
    std::string path = dir.Write("plot.txt", c.bytes);
    RowList rows;
    EXPECT_EQ(TextTable().ReadAll(path.c_str(), rows, 2), c.result) << c.name;
    EXPECT_EQ(Texts(rows), c.rows) << c.name;
  }
}

TEST(TextTableTest, AFileThatCannotBeOpenedLeavesTheRowsUntouched) {
  ScopedTempDir dir;
  for (const std::string& path : {dir.PathOf("missing.txt"), dir.path()}) {
    RowList rows;
    FieldList row;
    row.Add(FieldText(), -1);
    rows.Add(row, -1);
    EXPECT_EQ(TextTable().ReadAll(path.c_str(), rows), 0) << path;
    EXPECT_EQ(Texts(rows), Rows{{""}}) << path;
  }
}

TEST(TextTableTest, EveryCutOfAValidPlotReadsAsAPrefixOfIt) {
  const std::string plot = "0,0\r\n\"50\",0\n50,\"1,00\"\r\n";
  const Rows whole = {{"0", "0"}, {"50", "0"}, {"50", "1,00"}};
  for (size_t size = 0; size <= plot.size(); ++size) {
    ReadResult read = ReadBytes(plot.substr(0, size));
    EXPECT_EQ(read.result, 1) << size;
    ASSERT_LE(read.rows.size(), whole.size()) << size;
    for (size_t i = 0; i < read.rows.size(); ++i) {
      ASSERT_LE(read.rows[i].size(), whole[i].size()) << size;
      for (size_t j = 0; j < read.rows[i].size(); ++j) {
        std::string text = read.rows[i][j];
        // A cut between CR and LF leaves a lone CR, which stays a character.
        if (plot[size - 1] == '\r' && !text.empty() && text.back() == '\r') {
          text.pop_back();
        }
        EXPECT_EQ(whole[i][j].compare(0, text.size(), text), 0)
            << size << ": " << text;
      }
    }
  }
}

struct RefusalCase {
  const char* name;
  int32_t stored;  // elements in the list before the call
  bool add;        // Add at position, else At index
  int32_t position;
  DWORD code;
};

TEST(BoundedListTest, RefusalsGiveThePlaceholderAndRecordACode) {
  FieldText t;
  t.Assign("t");
  const RefusalCase kCases[] = {
      {"add to a full list", kMaxFieldsPerRow, true, -1, ERROR_OUTOFMEMORY},
      {"add past the end", 1, true, 2, ERROR_INVALID_INDEX},
      {"add before the start", 1, true, -2, ERROR_INVALID_INDEX},
      {"index at the count", 1, false, 1, ERROR_INVALID_INDEX},
      {"negative index", 1, false, -1, ERROR_INVALID_INDEX},
  };
  for (const RefusalCase& c : kCases) {
    FieldList list;
    for (int32_t i = 0; i < c.stored; ++i) list.Add(t, -1);
    SetLastError(0);
    const FieldText& given =
        c.add ? list.Add(t, c.position) : list.At(c.position);
    EXPECT_EQ(&given, &FieldList::Placeholder()) << c.name;
    EXPECT_STREQ(given.Text(), "") << c.name;
    EXPECT_EQ(GetLastError(), c.code) << c.name;
    EXPECT_EQ(list.Count(), c.stored) << c.name;
  }
}

TEST(BoundedListTest, InsertsAtAPosition) {
  FieldList row;
  for (const char* text : {"b", "a", "c"}) {
    FieldText field;
    field.Assign(text);
    int32_t position = text[0] == 'a' ? 0 : -1;
    EXPECT_STREQ(row.Add(field, position).Text(), text);
  }
  EXPECT_STREQ(row.At(0).Text(), "a");
  EXPECT_STREQ(row.At(1).Text(), "b");
  EXPECT_STREQ(row.At(2).Text(), "c");
}

// A stream over a text in memory, or whose device fails on the first read.
class MemoryStream : public TextStream {
 public:
  explicit MemoryStream(const char* text, bool broken = false)
      : text_(text), broken_(broken) {}
  bool untouched() const { return !given_; }

 protected:
  Refill Underflow(const char** begin, const char** end) override {
    if (broken_) return Refill::kError;
    if (given_) return Refill::kEnd;
    given_ = true;
    *begin = text_.data();
    *end = text_.data() + text_.size();
    return Refill::kData;
  }

 private:
  std::string text_;
  bool broken_;
  bool given_ = false;
};

TEST(LineReaderTest, AReadErrorOrAMissingBufferFailsTheRead) {
  MemoryStream broken("", true);
  LineReader reader;
  reader.Attach(&broken);
  std::string line = "kept";
  EXPECT_EQ(reader.ReadLine(&line), 0);
  EXPECT_EQ(GetLastError(), ERROR_READ_FAULT);
  EXPECT_EQ(line, "kept");

  LineReader bufferless{std::unique_ptr<char[]>()};
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  MemoryStream input("1,2\n");
  bufferless.Attach(&input);
  EXPECT_EQ(bufferless.ReadLine(&line), 0);
  EXPECT_EQ(line, "kept");
  EXPECT_TRUE(input.untouched());
}

}  // namespace
