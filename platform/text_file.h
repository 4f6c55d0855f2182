// A plot file opened for reading as text, the way the Windows C runtime reads
// it: a CR LF pair reads as LF, a lone CR stays, and a byte 0x1A ends the
// input. A failed read sets the stream's bad state.
#ifndef TURNEL_PLATFORM_TEXT_FILE_H_
#define TURNEL_PLATFORM_TEXT_FILE_H_

#include <memory>

#include "platform/text_stream.h"

class TextFile {
 public:
  TextFile();
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // False when the path cannot be opened for reading, or names a directory.
  bool Open(const char* path);
  // The stream over the opened file; valid from a successful Open until Close.
  TextStream& Stream();
  void Close();

 private:
  class TextModeStream;
  std::unique_ptr<TextModeStream> stream_;
};

#endif  // TURNEL_PLATFORM_TEXT_FILE_H_
