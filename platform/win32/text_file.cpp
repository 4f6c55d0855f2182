// Text-mode reading on Windows: the C runtime's own text mode applies the
// rules, so a plain file stream opened without the binary flag is enough.
#include "platform/text_file.h"

#include <fstream>

struct TextFile::Impl {
  std::ifstream stream;
};

TextFile::TextFile() = default;

TextFile::~TextFile() = default;

bool TextFile::Open(const char* path) {
  Close();
  try {
    impl_ = std::make_unique<Impl>();
    impl_->stream.open(path, std::ios::in);
  } catch (...) {
    impl_.reset();
    return false;
  }
  if (!impl_->stream.is_open()) {
    impl_.reset();
    return false;
  }
  return true;
}

std::istream& TextFile::Stream() { return impl_->stream; }

void TextFile::Close() { impl_.reset(); }
