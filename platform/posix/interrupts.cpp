// What ends the process while it writes a file, on POSIX: the write signals
// are ignored, and the ending signals remove the watched temporary file in a
// handler that makes only async-signal-safe calls.
#include "platform/interrupts.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kEndingSignalCount = sizeof kEndingSignals / sizeof(int);

// Room for any path the file system takes.
char watched[4096 + 64];
volatile sig_atomic_t watching = 0;

struct sigaction earlier[kEndingSignalCount];
bool replaced[kEndingSignalCount];
sigset_t held_from;

extern "C" void RemoveWatchedAndEnd(int signal_number) {
  if (watching) unlink(watched);
  // SA_RESETHAND put the default action back on entry and SA_NODEFER left
  // the signal unblocked, so raising it again ends the process by it.
  raise(signal_number);
}

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : kEndingSignals) sigaddset(&set, signal_number);
  return set;
}

}  // namespace

void TreatWriteSignalsAsErrors() {
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
}

InterruptHold::InterruptHold() {
  const sigset_t set = EndingSignals();
  sigprocmask(SIG_BLOCK, &set, &held_from);
}

InterruptHold::~InterruptHold() {
  sigprocmask(SIG_SETMASK, &held_from, nullptr);
}

TemporaryFileWatch::TemporaryFileWatch() {
  watching = 0;
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = RemoveWatchedAndEnd;
  action.sa_flags = SA_RESETHAND | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < kEndingSignalCount; ++i) {
    replaced[i] = false;
    if (sigaction(kEndingSignals[i], nullptr, &earlier[i]) != 0 ||
        earlier[i].sa_handler == SIG_IGN) {
      continue;
    }
    replaced[i] = sigaction(kEndingSignals[i], &action, nullptr) == 0;
  }
}

TemporaryFileWatch::~TemporaryFileWatch() {
  watching = 0;
  for (int i = 0; i < kEndingSignalCount; ++i) {
    if (replaced[i]) sigaction(kEndingSignals[i], &earlier[i], nullptr);
  }
}

void TemporaryFileWatch::Watch(const char* path) {
  watching = 0;
  if (path == nullptr || std::strlen(path) >= sizeof watched) return;
  std::strcpy(watched, path);
  watching = 1;
}
