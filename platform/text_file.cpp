// Text-mode reading, the same on every platform: the file's bytes come
// through the platform's read call, and the Windows runtime's text rules are
// applied here.
#include "platform/text_file.h"

#include <cstring>
#include <utility>

#include "platform/file_read.h"

namespace {

// Both buffers together stay under the allocator's 128 KiB threshold, so they
// come from its heap: a block mapped and unmapped for each file costs more
// than reading a plot.
constexpr DWORD kChunk = 32 * 1024;
constexpr char kEndOfText = 0x1A;

}  // namespace

class TextFile::TextModeStream : public TextStream {
 public:
  explicit TextModeStream(FileHandle file) : file_(std::move(file)) {}

 protected:
  Refill Underflow(const char** begin, const char** end) override {
    size_t produced = 0;
    const char* text = out_;
    if (!Translate(&text, &produced)) return Refill::kError;
    if (produced == 0) return Refill::kEnd;
    *begin = text;
    *end = text + produced;
    return Refill::kData;
  }

 private:
  // Points *text at the next translated text, none once the input has ended;
  // false on a failed read.
  bool Translate(const char** text, size_t* produced) {
    while (*produced == 0 && !ended_) {
      DWORD n = 0;
      if (!file_.api().read_file(file_.get(), raw_, kChunk, &n)) return false;
      if (n == 0) {
        // A CR at the very end of the file stays a character.
        if (pending_cr_) out_[(*produced)++] = '\r';
        pending_cr_ = false;
        ended_ = true;
        break;
      }
      // A chunk with nothing to translate is read where it lies.
      if (!pending_cr_ && std::memchr(raw_, '\r', n) == nullptr &&
          std::memchr(raw_, kEndOfText, n) == nullptr) {
        *text = raw_;
        *produced = n;
        break;
      }
      for (DWORD i = 0; i < n; ++i) {
        char c = raw_[i];
        if (pending_cr_) {
          pending_cr_ = false;
          if (c == '\n') {
            out_[(*produced)++] = '\n';
            continue;
          }
          out_[(*produced)++] = '\r';
        }
        if (c == kEndOfText) {
          ended_ = true;
          break;
        }
        if (c == '\r') {
          pending_cr_ = true;  // decided by the next byte, which may come later
        } else {
          out_[(*produced)++] = c;
        }
      }
    }
    return true;
  }

  FileHandle file_;
  bool pending_cr_ = false;
  bool ended_ = false;
  char raw_[kChunk];
  // One more than raw_: a CR held over from the last chunk may lead it.
  char out_[kChunk + 1];
};

TextFile::TextFile() = default;

TextFile::~TextFile() = default;

bool TextFile::Open(const char* path) {
  Close();
  FileHandle file = OpenForReading(path);
  if (!file.valid()) return false;
  try {
    stream_ = std::make_unique<TextModeStream>(std::move(file));
  } catch (...) {
    return false;
  }
  return true;
}

TextStream& TextFile::Stream() { return *stream_; }

void TextFile::Close() { stream_.reset(); }
