// Runs the built converter as a separate process and captures what it prints,
// for the end-to-end tests.
#ifndef TURNEL_TESTS_RUN_PROGRAM_H_
#define TURNEL_TESTS_RUN_PROGRAM_H_

#include <string>
#include <utility>
#include <vector>

#include "tests/scoped_temp_dir.h"

struct RunResult {
  std::string out;  // standard output, byte for byte
  int status = -1;  // exit status, or -1 when the process did not exit
};

// Where the program's standard output goes.
enum class Output {
  kPipe,        // a pipe, read whole
  kClosedPipe,  // a pipe whose reader has gone before the program starts
  kTerminal,    // a pseudo-terminal in raw mode, read whole
  kFile,        // the file RunOptions::output_file names, such as /dev/full
};

struct RunOptions {
  std::string cwd;                                       // empty: unchanged
  std::vector<std::pair<std::string, std::string>> env;  // added variables
  long file_size_limit = -1;  // RLIMIT_FSIZE in bytes; -1: none
  Output output = Output::kPipe;
  std::string output_file;
};

// Runs program (a launcher such as an emulator may come first in the words of
// TURNEL_LAUNCHER) with args and gives its output and exit status.
RunResult RunProgram(const std::string& program,
                     const std::vector<std::string>& args,
                     const RunOptions& options = RunOptions());

// The converter under test: TURNEL_EXE from the environment, or the one this
// build made.
std::string TurnelPath();
// The converter linked against the recording fake library.
std::string FakeTurnelPath();
// The line end the program's standard output uses: "\n", or "\r\n" where
// TURNEL_NEWLINE=crlf says the program is a Windows one.
std::string LineEnd();
// True when the program under test is the Windows one (TURNEL_NEWLINE=crlf).
bool WindowsProgram();
// Text as the program under test prints it: every "\n" as LineEnd().
std::string OnConsole(const std::string& text);

#endif  // TURNEL_TESTS_RUN_PROGRAM_H_
