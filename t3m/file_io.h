// Whole-file reading and writing for the tool, with every descriptor owned by
// an object that closes it.
#ifndef TURNEL_T3M_FILE_IO_H_
#define TURNEL_T3M_FILE_IO_H_

#include <cstddef>
#include <string>
#include <vector>

// An open descriptor, closed at the latest when the object goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // False when the system reports the close failed: written data may be lost.
  bool Close();

 private:
  int fd_;
};

// Appends to bytes what the descriptor gives until the end of the file or
// until bytes holds limit bytes; false on a read error. Memory grows with the
// data that arrives, never ahead of it.
bool ReadUpTo(const FileDescriptor& file, size_t limit,
              std::vector<unsigned char>* bytes);

// Writes bytes to a new file beside path and moves it over path once complete,
// so that a failed write leaves whatever was at path as it was: the model
// file's own safe replace.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

#endif  // TURNEL_T3M_FILE_IO_H_
