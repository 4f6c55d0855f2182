// What ends the process while it writes a file, and what that leaves: a write
// that meets the file-size limit or a closed pipe fails as a write, and an
// interrupt, termination or hang-up removes a half-written temporary file
// before the process ends by that signal.
#ifndef TURNEL_PLATFORM_INTERRUPTS_H_
#define TURNEL_PLATFORM_INTERRUPTS_H_

// Call once at the start of a program, before anything is written.
void TreatWriteSignalsAsErrors();

// Holds back interrupts, terminations and hang-ups while it lives; one that
// came meanwhile arrives when it goes. Not to be nested.
class InterruptHold {
 public:
  InterruptHold();
  ~InterruptHold();
  InterruptHold(const InterruptHold&) = delete;
  InterruptHold& operator=(const InterruptHold&) = delete;
};

// While one lives, an interrupt, termination or hang-up removes the watched
// file, then ends the process by that signal as it would have ended anyway;
// a signal the process ignores stays ignored. One at a time.
class TemporaryFileWatch {
 public:
  TemporaryFileWatch();
  ~TemporaryFileWatch();
  TemporaryFileWatch(const TemporaryFileWatch&) = delete;
  TemporaryFileWatch& operator=(const TemporaryFileWatch&) = delete;

  // The file a signal removes, or none (null). Call inside an InterruptHold
  // together with the step that creates or removes the file, so that the
  // name and the file system agree whenever a signal arrives.
  void Watch(const char* path);
};

#endif  // TURNEL_PLATFORM_INTERRUPTS_H_
