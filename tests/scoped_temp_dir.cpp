// A directory for one test, removed with all it holds when the object goes.
#include "tests/scoped_temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

ScopedTempDir::ScopedTempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() /
                         ("turnel-test-" + std::to_string(random() % 1000000000));
    std::error_code error;
    if (fs::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary directory");
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string ScopedTempDir::PathOf(const std::string& name) const {
  return path_ + "/" + name;
}

std::string ScopedTempDir::Write(const std::string& name,
                                 const std::string& bytes) const {
  std::string full = PathOf(name);
  std::ofstream out(full, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

std::string ScopedTempDir::Read(const std::string& name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool ScopedTempDir::Exists(const std::string& name) const {
  std::error_code error;
  return fs::exists(PathOf(name), error);
}

std::vector<std::string> ScopedTempDir::List() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}
