// Replacing a file whole, through a temporary file beside it.
#include "platform/file_replace.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// "~t3m" + 4 hex digits + ".tmp"; short, so that a path near the length
// limit still has room for its temporary sibling.
constexpr size_t kTempNameBytes = 12;
// Room for the directory of any command-line argument (at most 511 bytes).
constexpr size_t kTempPathCapacity = 512 + kTempNameBytes;
constexpr int kTempNameAttempts = 16;
// Odd and far from 1, so that runs whose seeds lie close together do not keep
// trying each other's names.
constexpr DWORD kTempNameStride = 0x9E3Bu;
// One write call takes at most a DWORD's worth of bytes; a round power of two
// well below that.
constexpr size_t kMaxWriteBytes = size_t{1} << 30;

// The length of the directory part of path, separator included; a drive
// prefix alone counts as a directory.
size_t DirectoryLength(const char* path) {
  size_t length = 0;
  for (size_t i = 0; path[i] != '\0'; ++i) {
    if (path[i] == '\\' || path[i] == '/') length = i + 1;
  }
  if (length == 0 && path[0] != '\0' && path[1] == ':') length = 2;
  return length;
}

// Creates a new, empty file in path's directory and leaves its name in temp;
// never opens a file that already exists.
HANDLE CreateTempBeside(const FileApi& api, const char* path, char* temp) {
  size_t directory = DirectoryLength(path);
  if (directory + kTempNameBytes + 1 > kTempPathCapacity) {
    return INVALID_HANDLE_VALUE;
  }
  std::memcpy(temp, path, directory);
  DWORD seed = GetCurrentProcessId();
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    unsigned int tag =
        static_cast<unsigned int>((seed + attempt * kTempNameStride) & 0xFFFF);
    std::snprintf(temp + directory, kTempNameBytes + 1, "~t3m%04X.tmp", tag);
    HANDLE file = api.create_file(temp, GENERIC_WRITE, CREATE_NEW);
    if (file != INVALID_HANDLE_VALUE) return file;
    // Only a name already taken is worth another try.
    if (api.get_last_error() != ERROR_FILE_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

int32_t ReplaceFileWhole(const char* path, const FileApi& api,
                         const BodyWriter& write_body) {
  char temp[kTempPathCapacity];
  HANDLE handle = CreateTempBeside(api, path, temp);
  if (handle == INVALID_HANDLE_VALUE) return kReplaceCannotCreate;
  int32_t status = kReplaceDone;
  {
    FileHandle file(handle, api);
    if (!write_body(api, file.get())) status = kReplaceWriteFailed;
    // Closed before the move or the removal, which an open file would block.
    if (!file.Close()) status = kReplaceWriteFailed;
  }
  if (status == kReplaceDone &&
      !api.move_file(temp, path, MOVEFILE_REPLACE_EXISTING)) {
    status = kReplaceCannotCreate;
  }
  if (status != kReplaceDone) api.delete_file(temp);
  return status;
}

bool WriteExactly(const FileApi& api, HANDLE file, const void* data,
                  DWORD size) {
  if (size == 0) return true;
  DWORD written = 0;
  return api.write_file(file, data, size, &written) && written == size;
}

bool WriteWholeFile(const char* path, const std::string& bytes) {
  return ReplaceFileWhole(
             path, RealFileApi(), [&bytes](const FileApi& api, HANDLE file) {
               for (size_t done = 0; done < bytes.size();) {
                 const DWORD size = static_cast<DWORD>(
                     std::min(bytes.size() - done, kMaxWriteBytes));
                 if (!WriteExactly(api, file, bytes.data() + done, size)) {
                   return false;
                 }
                 done += size;
               }
               return true;
             }) == kReplaceDone;
}
