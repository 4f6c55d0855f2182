// What the fuzz targets share: a private scratch directory, quiet standard
// streams, byte-exact file writes and a check that stops the fuzzer.
#include "fuzz/fuzz_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string* scratch_dir = nullptr;

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
  remove(path);
  return 0;
}

void RemoveTree(const std::string& path) {
  nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

void RemoveScratchDir() {
  if (scratch_dir != nullptr) RemoveTree(*scratch_dir);
}

// Fails the run loudly: a fuzzer that cannot write its input file would
// otherwise test nothing and look green.
[[noreturn]] void Fatal(const char* what, const std::string& path) {
  std::fprintf(stderr, "fuzz support: %s %s: %s\n", what, path.c_str(),
               std::strerror(errno));
  std::abort();
}

}  // namespace

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

const std::string& ScratchDir() {
  if (scratch_dir != nullptr) return *scratch_dir;
  const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : nullptr;
  if (base == nullptr) base = std::getenv("TMPDIR");
  if (base == nullptr) base = "/tmp";
  std::string pattern = std::string(base) + "/turnel-fuzz-XXXXXX";
  if (mkdtemp(&pattern[0]) == nullptr) Fatal("cannot make", pattern);
  scratch_dir = new std::string(pattern);
  std::atexit(RemoveScratchDir);
  return *scratch_dir;
}

void RedirectStandardStreams(const std::string& output_path) {
  std::fflush(stdout);
  int out = output_path.empty()
                ? open("/dev/null", O_WRONLY)
                : open(output_path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  int in = open("/dev/null", O_RDONLY);
  if (out < 0 || in < 0) Fatal("cannot open", output_path);
  dup2(out, STDOUT_FILENO);
  dup2(in, STDIN_FILENO);
  close(out);
  close(in);
}

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) Fatal("cannot create", path);
  size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) Fatal("cannot write", path);
    done += static_cast<size_t>(n);
  }
  close(fd);
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return bytes;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) {
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return bytes;
}

void EmptyDirectory(const std::string& directory) {
  for (const std::string& name : ListDirectory(directory)) {
    RemoveTree(directory + "/" + name);
  }
}

std::vector<std::string> ListDirectory(const std::string& directory) {
  std::vector<std::string> names;
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return names;
  while (struct dirent* entry = readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") == 0 ||
        std::strcmp(entry->d_name, "..") == 0) {
      continue;
    }
    names.push_back(entry->d_name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<char*> ArgvOf(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  return argv;
}

void ClearCapturedOutput(const std::string& output_path) {
  std::fflush(stdout);
  FUZZ_CHECK(truncate(output_path.c_str(), 0) == 0);
  FUZZ_CHECK(lseek(STDOUT_FILENO, 0, SEEK_SET) == 0);
}
