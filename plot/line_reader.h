// Reads a plot file one line at a time through a single reused line buffer.
#ifndef TURNEL_PLOT_LINE_READER_H_
#define TURNEL_PLOT_LINE_READER_H_

#include <cstdint>
#include <memory>
#include <string>

#include "platform/text_stream.h"

// The line buffer's size, its terminating zero included: a line holds at most
// 20479 characters.
constexpr int32_t kLineBufferSize = 20480;

class LineReader {
 public:
  // Obtains the line buffer; when it cannot, records ERROR_NOT_ENOUGH_MEMORY
  // and every later ReadLine fails.
  LineReader();
  // Takes the given buffer of kLineBufferSize bytes, or none (null).
  explicit LineReader(std::unique_ptr<char[]> buffer);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The stream is not owned; it must outlive every ReadLine.
  void Attach(TextStream* stream);

  // 1 and the next line without its LF (empty at the end of the input); or
  // 0 with ERROR_READ_FAULT recorded when the stream fails to read or the
  // line is too long. A failed read leaves line unchanged or empty.
  int ReadLine(std::string* line);

  bool IsEof() const;

 private:
  std::unique_ptr<char[]> buffer_;
  TextStream* stream_ = nullptr;
};

#endif  // TURNEL_PLOT_LINE_READER_H_
