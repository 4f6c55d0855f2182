// Reads a text file into a table: one row per line, each row the line's
// comma-separated, optionally quoted fields.
#include "plot/text_table.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/text_file.h"

namespace {

constexpr int32_t kReservedRows = 1024;

}  // namespace

int TextTable::ReadAll(const char* path, RowList& rows, int32_t max_rows) {
  TextFile file;
  if (!file.Open(path)) return 0;
  int result = 0;
  try {
    Attach(&file.Stream());
    rows.Clear();
    // A plot's few hundred rows then never move; a longer table grows as
    // it goes.
    rows.Reserve(std::min(max_rows, kReservedRows));
    for (;;) {
      FieldList row;
      if (!ReadRow(&row)) {
        result = 0;
        break;
      }
      // The empty read at the very end of the file is no line of its own.
      if (IsEof() && row.Count() == 0) {
        result = 1;
        break;
      }
      // Rows past the table's capacity are dropped without failing the read.
      if (rows.Count() < max_rows) rows.Add(std::move(row), -1);
      if (IsEof()) {
        result = 1;
        break;
      }
    }
  } catch (...) {
    // Running out of memory in the lists and strings is a failed read too.
    result = 0;
  }
  Attach(nullptr);
  file.Close();
  return result;
}

int TextTable::ReadRow(FieldList* row) {
  std::string line;
  if (!reader_.ReadLine(&line)) {
    row->Clear();
    return 0;
  }
  if (IsEof() && line.empty()) {
    row->Clear();
    return 1;
  }
  SplitLine(line, &tokens_);
  FieldList fields;
  if (!StoreFields(&tokens_, &fields)) return 0;
  *row = std::move(fields);
  return 1;
}

int TextTable::SplitLine(const std::string& line,
                         std::vector<std::string>* tokens) {
  splitter_.SetLine(line);
  tokens->clear();
  std::string field;
  do {
    splitter_.ReadField(&field);
    if (field != std::string_view(kEndOfLineMarker)) {
      tokens->push_back(std::move(field));
    }
  } while (!splitter_.IsEof());
  return 1;
}

int TextTable::StoreFields(std::vector<std::string>* tokens, FieldList* row) {
  row->Clear();
  row->Reserve(static_cast<int32_t>(
      std::min(tokens->size(), static_cast<size_t>(kMaxFieldsPerRow))));
  for (std::string& token : *tokens) {
    FieldText field;
    if (!field.Assign(std::move(token))) return 0;
    // Fields past the row's capacity are dropped without failing the read.
    row->Add(std::move(field), -1);
  }
  return 1;
}

void TextTable::Attach(TextStream* stream) {
  stream_ = stream;
  reader_.Attach(stream);
}

bool TextTable::IsEof() const { return stream_ != nullptr && stream_->eof(); }
