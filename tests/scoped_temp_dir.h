// A directory for one test under the system's temporary directory, removed
// with all it holds when the object goes.
#ifndef TURNEL_TESTS_SCOPED_TEMP_DIR_H_
#define TURNEL_TESTS_SCOPED_TEMP_DIR_H_

#include <string>
#include <vector>

class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::string& path() const { return path_; }
  // The full path of a name inside the directory.
  std::string PathOf(const std::string& name) const;
  // Writes bytes to a file in the directory and gives its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // The names of the directory's entries, sorted.
  std::vector<std::string> List() const;

 private:
  std::string path_;
};

#endif  // TURNEL_TESTS_SCOPED_TEMP_DIR_H_
