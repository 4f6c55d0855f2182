// What tests compare printed text with: what a piece of code printed to
// standard output, a catalogue message filled in as the program fills it, and
// Japanese text in the code page the console shows.
#ifndef TURNEL_TESTS_CONSOLE_TEXT_H_
#define TURNEL_TESTS_CONSOLE_TEXT_H_

#include <gtest/gtest.h>

#include <string>

// Runs fn and gives what it printed to standard output, byte for byte.
template <typename Fn>
std::string StdoutOf(Fn&& fn) {
  testing::internal::CaptureStdout();
  fn();
  return testing::internal::GetCapturedStdout();
}

// A catalogue message as printf-style formatting prints it: its fields
// filled in with the arguments, and "%%" shown as "%".
std::string Printed(const char* message, ...);

// UTF-8 text converted to code page 932 by the system's own converter, so
// that an expected message is written as it reads. Not in the Windows build,
// whose runtime has no converter.
std::string ToCp932(const std::string& utf8);

#endif  // TURNEL_TESTS_CONSOLE_TEXT_H_
