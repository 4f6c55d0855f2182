// A stream of text characters with the line reading of a standard stream.
#include "platform/text_stream.h"

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
    for (;;) {
      const int c = Peek();
      if (c < 0) break;
      if (c == static_cast<unsigned char>(delimiter)) {
        ++next_;
        ++taken;
        break;
      }
      if (stored + 1 >= capacity) {
        fail_ = true;
        break;
      }
      buffer[stored++] = *next_++;
      ++taken;
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
