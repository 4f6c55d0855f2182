// Runs the built converter as a separate process and captures what it prints.
#include "tests/run_program.h"

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::string> SplitWords(const char* text) {
  std::vector<std::string> words;
  std::istringstream in(text != nullptr ? text : "");
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The two ends of what the program writes to: the parent reads from the
// first (-1: nothing to read), the child writes to the second.
void OpenOutput(const RunOptions& options, int ends[2]) {
  switch (options.output) {
    case Output::kPipe:
    case Output::kClosedPipe:
      if (pipe(ends) != 0) throw std::runtime_error("pipe");
      if (options.output == Output::kClosedPipe) {
        close(ends[0]);
        ends[0] = -1;
      }
      return;
    case Output::kTerminal: {
      if (openpty(&ends[0], &ends[1], nullptr, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty");
      }
      // Raw, so that the terminal passes the bytes on as they are written.
      struct termios mode;
      tcgetattr(ends[1], &mode);
      cfmakeraw(&mode);
      tcsetattr(ends[1], TCSANOW, &mode);
      return;
    }
    case Output::kFile:
      ends[0] = -1;
      ends[1] = open(options.output_file.c_str(), O_WRONLY);
      if (ends[1] < 0) throw std::runtime_error("open " + options.output_file);
      return;
  }
}

}  // namespace

RunResult RunProgram(const std::string& program,
                     const std::vector<std::string>& args,
                     const RunOptions& options) {
  std::vector<std::string> words = SplitWords(std::getenv("TURNEL_LAUNCHER"));
  words.push_back(program);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);

  int ends[2];
  OpenOutput(options, ends);
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    if (options.output == Output::kTerminal) setsid();
    dup2(ends[1], STDOUT_FILENO);
    if (ends[0] >= 0) close(ends[0]);
    close(ends[1]);
    int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, STDIN_FILENO);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : options.env) {
      setenv(name.c_str(), value.c_str(), 1);
    }
    if (options.file_size_limit >= 0) {
      // The emulator of a Windows program is a POSIX process, which the
      // program cannot keep from the file-size signal; a Linux program must
      // ignore it itself.
      if (WindowsProgram()) signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit;
      limit.rlim_cur = limit.rlim_max =
          static_cast<rlim_t>(options.file_size_limit);
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(ends[1]);
  RunResult result;
  if (ends[0] >= 0) {
    char buffer[4096];
    ssize_t n;
    // A terminal whose last writer has gone reports an error, not the end.
    while ((n = read(ends[0], buffer, sizeof buffer)) > 0 ||
           (n < 0 && errno == EINTR)) {
      if (n > 0) result.out.append(buffer, static_cast<size_t>(n));
    }
    close(ends[0]);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}
std::string TurnelPath() {
  const char* exe = std::getenv("TURNEL_EXE");
  return exe != nullptr ? exe : TURNEL_BUILT_EXE;
}

std::string FakeTurnelPath() {
  const char* exe = std::getenv("TURNEL_FAKE_EXE");
  return exe != nullptr ? exe : TURNEL_FAKE_BUILT_EXE;
}

bool WindowsProgram() {
  const char* newline = std::getenv("TURNEL_NEWLINE");
  return newline != nullptr && std::string(newline) == "crlf";
}

// A Windows program's standard output is a text-mode stream: the runtime
// writes every LF as CR LF.
std::string LineEnd() { return WindowsProgram() ? "\r\n" : "\n"; }

std::string OnConsole(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += LineEnd();
    } else {
      out += c;
    }
  }
  return out;
}
