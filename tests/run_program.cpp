// Runs the built converter as a separate process and captures what it prints.
#include "tests/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(pipe_fds[1], STDOUT_FILENO);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
    int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, STDIN_FILENO);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : options.env) {
      setenv(name.c_str(), value.c_str(), 1);
    }
    if (options.file_size_limit >= 0) {
      signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit;
      limit.rlim_cur = limit.rlim_max =
          static_cast<rlim_t>(options.file_size_limit);
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  RunResult result;
  char buffer[4096];
  ssize_t n;
  while ((n = read(pipe_fds[0], buffer, sizeof buffer)) > 0) {
    result.out.append(buffer, static_cast<size_t>(n));
  }
  close(pipe_fds[0]);
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
