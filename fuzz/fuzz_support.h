// What the fuzz targets share: a private scratch directory, quiet standard
// streams, byte-exact file writes and a check that stops the fuzzer.
#ifndef TURNEL_FUZZ_FUZZ_SUPPORT_H_
#define TURNEL_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Stops the run with a report when a property of the program does not hold;
// libFuzzer then keeps the input that broke it.
#define FUZZ_CHECK(condition)                                          \
  do {                                                                 \
    if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__); \
  } while (0)

[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file,
                                  int line);

// A directory of this process's own, in memory (/dev/shm) where possible,
// made on first use and removed when the process exits normally.
const std::string& ScratchDir();

// Points standard output at path (the null device when empty) and standard
// input at the null device: the program prints a line for every input, and
// nothing may ever wait for a terminal.
void RedirectStandardStreams(const std::string& output_path);

// Argument pointers over words, ending in a null, as a program's entry gets
// them; valid while words is unchanged.
std::vector<char*> ArgvOf(std::vector<std::string>& words);

// Empties the file that standard output was pointed at, so that the next
// run's output can be read back alone.
void ClearCapturedOutput(const std::string& output_path);

// Writes exactly the given bytes to path, replacing what was there.
void WriteBytes(const std::string& path, const uint8_t* data, size_t size);

// The whole content of a file, or an empty string when it cannot be read.
std::string ReadBytes(const std::string& path);

// Removes everything inside directory, leaving the directory itself.
void EmptyDirectory(const std::string& directory);

// The names in directory, sorted, without "." and "..".
std::vector<std::string> ListDirectory(const std::string& directory);

#endif  // TURNEL_FUZZ_FUZZ_SUPPORT_H_
