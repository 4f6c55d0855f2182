// Replacing a file whole, through a temporary file beside it.
#include "platform/file_replace.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "platform/interrupts.h"
#include "platform/link_target.h"

namespace {

// "~t3m" + 4 hex digits + ".tmp"; short, so that a path near the length
// limit still has room for its temporary sibling.
constexpr size_t kTempNameBytes = 12;
constexpr int kTempNameAttempts = 16;
// Odd and far from 1, so that runs whose seeds lie close together do not keep
// trying each other's names.
constexpr DWORD kTempNameStride = 0x9E3Bu;
// One write call takes at most a DWORD's worth of bytes; a round power of two
// well below that.
constexpr size_t kMaxWriteBytes = size_t{1} << 30;

// The length of the directory part of path, separator included; a drive
// prefix alone counts as a directory. A separator is a character of its own,
// never the second byte of a double-byte one.
size_t DirectoryLength(const char* path) {
  size_t length = 0;
  for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
    if (*p == '\\' || *p == '/') length = static_cast<size_t>(p - path) + 1;
  }
  if (length == 0 && path[0] != '\0' && path[1] == ':') length = 2;
  return length;
}

// Creates a new, empty file in target's directory, leaves its name in temp
// and has the watch remove it should the process be ended; never opens a
// file that already exists.
HANDLE CreateTempBeside(const FileApi& api, const std::string& target,
                        std::string* temp, TemporaryFileWatch* watch) {
  const size_t directory = DirectoryLength(target.c_str());
  DWORD seed = GetCurrentProcessId();
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    char name[kTempNameBytes + 1];
    unsigned int tag =
        static_cast<unsigned int>((seed + attempt * kTempNameStride) & 0xFFFF);
    std::snprintf(name, sizeof name, "~t3m%04X.tmp", tag);
    temp->assign(target, 0, directory);
    temp->append(name);
    HANDLE file = INVALID_HANDLE_VALUE;
    {
      InterruptHold hold;
      file = api.create_file(temp->c_str(), GENERIC_WRITE, CREATE_NEW);
      if (file != INVALID_HANDLE_VALUE) watch->Watch(temp->c_str());
    }
    if (file != INVALID_HANDLE_VALUE) return file;
    // Only a name already taken is worth another try.
    if (api.get_last_error() != ERROR_FILE_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

int32_t ReplaceFileWhole(const char* path, const FileApi& api,
                         const BodyWriter& write_body) {
  try {
    // Through a link to the file it names, which the temporary file must sit
    // beside for the move to stay within one file system.
    std::string target;
    if (!FollowLinks(path, &target)) return kReplaceCannotCreate;
    // A read-only file is not replaced, as Windows replaces none.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      return kReplaceCannotCreate;
    }
    std::string temp;
    TemporaryFileWatch watch;
    HANDLE handle = CreateTempBeside(api, target, &temp, &watch);
    if (handle == INVALID_HANDLE_VALUE) return kReplaceCannotCreate;
    int32_t status = kReplaceDone;
    {
      FileHandle file(handle, api);
      if (!write_body(api, file.get())) status = kReplaceWriteFailed;
      // Closed before the move or the removal, which an open file would
      // block.
      if (!file.Close()) status = kReplaceWriteFailed;
    }
    InterruptHold hold;
    if (status == kReplaceDone && !api.move_file(temp.c_str(), target.c_str(),
                                                 MOVEFILE_REPLACE_EXISTING)) {
      status = kReplaceCannotCreate;
    }
    if (status != kReplaceDone) api.delete_file(temp.c_str());
    watch.Watch(nullptr);
    return status;
  } catch (const std::bad_alloc&) {
    return kReplaceCannotCreate;
  }
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
