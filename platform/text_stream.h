// A stream of text characters with the line reading and the end, fail and
// bad states of a standard input stream, without the locale machinery that
// one brings: a plot conversion is too short to pay for its start-up.
#ifndef TURNEL_PLATFORM_TEXT_STREAM_H_
#define TURNEL_PLATFORM_TEXT_STREAM_H_

#include <cstddef>

class TextStream {
 public:
  TextStream() = default;
  TextStream(const TextStream&) = delete;
  TextStream& operator=(const TextStream&) = delete;
  virtual ~TextStream() = default;

  // As std::istream::getline(buffer, capacity, delimiter): stores characters
  // until the delimiter (taken, not stored), the end of the input (end state
  // set) or capacity - 1 stored with the next one no delimiter (fail state
  // set, that one left unread); sets the fail state too when it took
  // nothing, and always zero-terminates. A failed read sets the bad state.
  // After the end, a fail or a bad read, it takes nothing and fails.
  void GetLine(char* buffer, size_t capacity, char delimiter);

  // The next character; false, with the end or bad state set, when there is
  // none.
  bool Get(char* c);

  bool eof() const { return eof_; }
  // As the standard stream's: true in the bad state as well.
  bool fail() const { return fail_ || bad_; }
  bool bad() const { return bad_; }

 protected:
  enum class Refill { kData, kEnd, kError };
  // Makes [*begin, *end) the next characters of the input, at least one of
  // them when it gives kData.
  virtual Refill Underflow(const char** begin, const char** end) = 0;

 private:
  // The next character, not taken, or -1 with the end or bad state set.
  int Peek();

  const char* next_ = nullptr;
  const char* end_ = nullptr;
  bool eof_ = false;
  bool fail_ = false;
  bool bad_ = false;
};

#endif  // TURNEL_PLATFORM_TEXT_STREAM_H_
