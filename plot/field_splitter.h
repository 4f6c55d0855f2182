// Cuts one plot line into its fields: fields are separated by commas, and a
// field that begins with a double quote is quoted.
#ifndef TURNEL_PLOT_FIELD_SPLITTER_H_
#define TURNEL_PLOT_FIELD_SPLITTER_H_

#include <cstddef>
#include <string>

// What ReadField yields once the line has no character left; the table drops
// every field with this text.
inline constexpr char kEndOfLineMarker[] = "#EMPTY_LINE";

class FieldSplitter {
 public:
  // Loads a copy of line and starts reading it from its first character.
  void SetLine(const std::string& line);
  // Always 1: the next field, or kEndOfLineMarker when nothing is left.
  int ReadField(std::string* field);
  // True once a read has found no character left, not when the last one is
  // read.
  bool IsEof() const { return eof_; }

 private:
  void ReadQuoted(std::string* field);
  // Takes the characters up to the next comma and the comma itself; gives
  // where the characters taken before the comma end.
  size_t SkipToComma();
  // False, and the end state set, when no character is left.
  bool Get(char* c);
  void Unget();

  std::string line_;
  size_t position_ = 0;
  bool eof_ = false;
};

#endif  // TURNEL_PLOT_FIELD_SPLITTER_H_
