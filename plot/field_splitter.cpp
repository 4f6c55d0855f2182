// Cuts one plot line into its fields: fields are separated by commas, and a
// field that begins with a double quote is quoted.
#include "plot/field_splitter.h"

#include <cassert>

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

}  // namespace

void FieldSplitter::SetLine(const std::string& line) {
  line_ = line;
  position_ = 0;
  eof_ = false;
}

int FieldSplitter::ReadField(std::string* field) {
  field->clear();
  char c;
  if (!Get(&c)) {
    *field = kEndOfLineMarker;
    return 1;
  }
  if (c == kQuote) {
    ReadQuoted(field);
    if (IsEof()) return 1;
    // Whatever follows the closing quote, up to the next comma, is dropped.
    SkipToComma();
    return 1;
  }
  // Even a comma here opens the field: an empty field cannot be written
  // unquoted.
  const size_t start = position_ - 1;
  const size_t end = SkipToComma();
  // Appended to the cleared field: an assignment takes the library's general
  // replace, twice the work for a field of a few characters.
  field->append(line_, start, end - start);
  return 1;
}

void FieldSplitter::ReadQuoted(std::string* field) {
  char c;
  while (Get(&c)) {
    if (c != kQuote) {
      field->push_back(c);
      continue;
    }
    char next;
    if (!Get(&next)) return;
    if (next != kQuote) {
      Unget();
      return;
    }
    field->push_back(kQuote);
  }
}

size_t FieldSplitter::SkipToComma() {
  // A line without a comma ends, as a read past its last character ends it.
  const size_t comma = line_.find(kComma, position_);
  if (comma == std::string::npos) {
    position_ = line_.size();
    eof_ = true;
    return position_;
  }
  position_ = comma + 1;
  return comma;
}

bool FieldSplitter::Get(char* c) {
  if (position_ >= line_.size()) {
    eof_ = true;
    return false;
  }
  *c = line_[position_++];
  return true;
}

void FieldSplitter::Unget() {
  assert(position_ > 0);
  --position_;
}
