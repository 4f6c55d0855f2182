// The file calls the programs make, and the one owner of an open file handle.
#include "platform/file_api.h"

#include <utility>

namespace {

HANDLE RealCreateFile(LPCSTR path, DWORD access, DWORD disposition) {
  const DWORD share = access == GENERIC_READ ? FILE_SHARE_READ : 0;
  return CreateFileA(path, access, share, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}
DWORD RealGetLastError() { return GetLastError(); }
BOOL RealReadFile(HANDLE file, void* data, DWORD size, DWORD* read) {
  return ReadFile(file, data, size, read, nullptr);
}
BOOL RealWriteFile(HANDLE file, const void* data, DWORD size, DWORD* written) {
  return WriteFile(file, data, size, written, nullptr);
}
BOOL RealCloseHandle(HANDLE file) { return CloseHandle(file); }
BOOL RealMoveFile(LPCSTR from, LPCSTR to, DWORD flags) {
  return MoveFileExA(from, to, flags);
}
BOOL RealDeleteFile(LPCSTR path) { return DeleteFileA(path); }

const FileApi kRealFileApi = {RealCreateFile, RealGetLastError, RealReadFile,
                              RealWriteFile,  RealCloseHandle,  RealMoveFile,
                              RealDeleteFile};

}  // namespace

const FileApi& RealFileApi() { return kRealFileApi; }

FileHandle::FileHandle(FileHandle&& other) noexcept
    : api_(other.api_),
      handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}

bool FileHandle::Close() {
  if (!valid()) return true;
  const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
  return api_->close_handle(handle) != FALSE;
}
