// Text-mode reading on POSIX: a stream buffer over the opened file that
// applies the Windows runtime's text rules itself.
#include "platform/text_file.h"

#include <streambuf>
#include <utility>

#include "platform/file_read.h"

namespace {

// Both buffers together stay under the allocator's 128 KiB threshold, so they
// come from its heap: a block mapped and unmapped for each file costs more
// than reading a plot.
constexpr size_t kChunk = 32 * 1024;
constexpr char kEndOfText = 0x1A;

// Thrown from underflow on a failed read; the istream turns it into badbit.
struct ReadError {};

class TextModeBuf : public std::streambuf {
 public:
  explicit TextModeBuf(HANDLE file) : file_(file) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    size_t n = Refill();
    if (n == 0) return traits_type::eof();
    setg(out_, out_, out_ + n);
    return traits_type::to_int_type(*gptr());
  }

 private:
  // Reads the next raw bytes; 0 at the end of the file.
  DWORD ReadRaw() {
    DWORD n = 0;
    if (!ReadFile(file_, raw_, kChunk, &n, nullptr)) throw ReadError();
    return n;
  }

  // Fills out_ with translated text; 0 when the input has ended.
  size_t Refill() {
    size_t produced = 0;
    while (produced == 0 && !ended_) {
      DWORD n = ReadRaw();
      if (n == 0) {
        // A CR at the very end of the file stays a character.
        if (pending_cr_) out_[produced++] = '\r';
        pending_cr_ = false;
        ended_ = true;
        break;
      }
      for (DWORD i = 0; i < n; ++i) {
        char c = raw_[i];
        if (pending_cr_) {
          pending_cr_ = false;
          if (c == '\n') {
            out_[produced++] = '\n';
            continue;
          }
          out_[produced++] = '\r';
        }
        if (c == kEndOfText) {
          ended_ = true;
          break;
        }
        if (c == '\r') {
          pending_cr_ = true;  // decided by the next byte, which may come later
        } else {
          out_[produced++] = c;
        }
      }
    }
    return produced;
  }

  HANDLE file_;
  bool pending_cr_ = false;
  bool ended_ = false;
  char raw_[kChunk];
  // One more than raw_: a CR held over from the last chunk may lead it.
  char out_[kChunk + 1];
};

}  // namespace

struct TextFile::Impl {
  explicit Impl(FileHandle opened)
      : file(std::move(opened)), buf(file.get()), stream(&buf) {}
  FileHandle file;
  TextModeBuf buf;
  std::istream stream;
};

TextFile::TextFile() = default;

TextFile::~TextFile() = default;

bool TextFile::Open(const char* path) {
  Close();
  FileHandle file = OpenForReading(path);
  if (!file.valid()) return false;
  try {
    impl_ = std::make_unique<Impl>(std::move(file));
  } catch (...) {
    return false;
  }
  return true;
}

std::istream& TextFile::Stream() { return impl_->stream; }

void TextFile::Close() { impl_.reset(); }
