// A stream of text characters with the line reading of a standard stream.
#include "platform/text_stream.h"

#include <cstring>

int TextStream::Peek() {
  if (next_ == end_) {
    switch (Underflow(&next_, &end_)) {
      case Refill::kData:
        break;
      case Refill::kEnd:
        eof_ = true;
        return -1;
      case Refill::kError:
        bad_ = true;
        return -1;
    }
  }
  return static_cast<unsigned char>(*next_);
}

void TextStream::GetLine(char* buffer, size_t capacity, char delimiter) {
  size_t taken = 0;
  size_t stored = 0;
  if (!eof_ && !fail()) {
    // Whole runs up to the delimiter are copied at once: a plot's lines are
    // short, and a call for each character would cost more than the copy.
    while (Peek() >= 0) {
      const size_t available = static_cast<size_t>(end_ - next_);
      const char* delimiter_at = static_cast<const char*>(
          std::memchr(next_, static_cast<unsigned char>(delimiter), available));
      const size_t run = delimiter_at != nullptr
                             ? static_cast<size_t>(delimiter_at - next_)
                             : available;
      const size_t room = capacity > stored ? capacity - stored - 1 : 0;
      const size_t copied = run < room ? run : room;
      if (copied > 0) std::memcpy(buffer + stored, next_, copied);
      stored += copied;
      taken += copied;
      next_ += copied;
      if (copied < run) {
        // The buffer is full and the next character is no delimiter.
        fail_ = true;
        break;
      }
      if (delimiter_at != nullptr) {
        ++next_;
        ++taken;
        break;
      }
    }
  }
  if (taken == 0) fail_ = true;
  if (capacity > 0) buffer[stored] = '\0';
}

bool TextStream::Get(char* c) {
  if (eof_ || fail() || Peek() < 0) {
    fail_ = true;
    return false;
  }
  *c = *next_++;
  return true;
}
