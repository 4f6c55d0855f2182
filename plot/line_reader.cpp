// Reads a plot file one line at a time through a single reused line buffer.
#include "plot/line_reader.h"

#include <cassert>
#include <new>

#include "winapi.h"

LineReader::LineReader()
    : LineReader(
          std::unique_ptr<char[]>(new (std::nothrow) char[kLineBufferSize])) {}

LineReader::LineReader(std::unique_ptr<char[]> buffer)
    : buffer_(std::move(buffer)) {
  if (!buffer_) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
}

void LineReader::Attach(TextStream* stream) { stream_ = stream; }

int LineReader::ReadLine(std::string* line) {
  assert(stream_ != nullptr);
  if (!buffer_) {
    // Failing the read keeps a missing buffer from ever being written to.
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  char* buffer = buffer_.get();
  buffer[0] = '\0';
  stream_->GetLine(buffer, kLineBufferSize, '\n');
  if (stream_->bad()) {
    SetLastError(ERROR_READ_FAULT);
    return 0;
  }
  if (buffer[0] == '\0' && stream_->eof()) {
    line->clear();
    return 1;
  }
  if (!stream_->fail()) {
    // A zero byte inside the line ends its text.
    line->clear();
    line->append(buffer);
    return 1;
  }
  SetLastError(ERROR_READ_FAULT);
  line->clear();
  return 0;
}

bool LineReader::IsEof() const { return stream_ != nullptr && stream_->eof(); }
