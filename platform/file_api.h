// The file calls the programs make, reached through a table so that a test
// can make any one of them fail, and the one owner of an open file handle.
#ifndef TURNEL_PLATFORM_FILE_API_H_
#define TURNEL_PLATFORM_FILE_API_H_

#include "winapi.h"

struct FileApi {
  // Opens path for GENERIC_READ (shared for reading, OPEN_EXISTING) or for
  // GENERIC_WRITE (unshared, created as disposition says).
  HANDLE (*create_file)(LPCSTR path, DWORD access, DWORD disposition);
  DWORD (*get_last_error)();
  BOOL (*read_file)(HANDLE file, void* data, DWORD size, DWORD* read);
  BOOL (*write_file)(HANDLE file, const void* data, DWORD size, DWORD* written);
  BOOL (*close_handle)(HANDLE file);
  BOOL (*move_file)(LPCSTR from, LPCSTR to, DWORD flags);
  BOOL (*delete_file)(LPCSTR path);
};

// The platform's own calls.
const FileApi& RealFileApi();

// Owns an open file handle and closes it once, at the latest when it goes.
class FileHandle {
 public:
  FileHandle(HANDLE handle, const FileApi& api) : api_(&api), handle_(handle) {}
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&&) = delete;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  const FileApi& api() const { return *api_; }

  // False when the system reports the close failed: written data may not
  // have reached the file.
  bool Close();

 private:
  const FileApi* api_;
  HANDLE handle_;
};

#endif  // TURNEL_PLATFORM_FILE_API_H_
