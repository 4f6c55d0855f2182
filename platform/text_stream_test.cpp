// Line reading behaves as the standard stream's getline, wherever the
// input's chunks happen to end.
#include "platform/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

// Hands the text out in chunks of a fixed size.
class ChunkedStream : public TextStream {
 public:
  ChunkedStream(const std::string& text, size_t chunk)
      : text_(text), chunk_(chunk) {}

 protected:
  Refill Underflow(const char** begin, const char** end) override {
    if (given_ == text_.size()) return Refill::kEnd;
    size_t n = std::min(chunk_, text_.size() - given_);
    *begin = text_.data() + given_;
    *end = *begin + n;
    given_ += n;
    return Refill::kData;
  }

 private:
  std::string text_;
  size_t chunk_;
  size_t given_ = 0;
};

// Twelve reads of up to five characters, each with the states it left.
template <typename Stream, typename ReadLine>
std::string Transcript(const Stream& stream, ReadLine read_line) {
  std::string log;
  for (int i = 0; i < 12; ++i) {
    char buffer[6] = "?????";
    read_line(buffer, sizeof buffer);
    log += std::string(buffer) + (stream.eof() ? "E" : "") +
           (stream.fail() ? "F" : "") + "|";
  }
  return log;
}

TEST(TextStreamTest, GetLineMatchesTheStandardStreamAtEveryChunkSize) {
  const struct {
    const char* name;
    std::string text;
  } kCases[] = {
      {"short lines", "1,2\n3,4\n"},
      {"no newline at the end", "1,2\n3,4"},
      {"empty lines", "\n\n1\n\n"},
      {"a line that fills the buffer exactly", "abcde\nx\n"},
      {"a line one past the buffer", "abcdef\nx\n"},
      {"a line that fills the buffer at the end", "abcde"},
      {"a zero byte inside a line", std::string("a\0b\nc\n", 6)},
      {"empty input", ""},
  };
  for (const auto& c : kCases) {
    for (size_t chunk = 1; chunk <= 8; ++chunk) {
      ChunkedStream ours(c.text, chunk);
      std::istringstream standard(c.text);
      EXPECT_EQ(Transcript(ours,
                           [&](char* buffer, size_t capacity) {
                             ours.GetLine(buffer, capacity, '\n');
                           }),
                Transcript(standard,
                           [&](char* buffer, size_t capacity) {
                             standard.getline(buffer, capacity, '\n');
                           }))
          << c.name << ", chunks of " << chunk;
    }
  }
}

}  // namespace
