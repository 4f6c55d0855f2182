// Replacing a file whole: the new content goes to a temporary file beside the
// target and is moved over the target only once every byte is written and the
// file closed; on failure, or when an interrupt, termination or hang-up ends
// the process meanwhile, the temporary file is removed, and whatever was at
// the target stays as it was. A symbolic link is written through: the file it
// names is replaced and the link kept. The replacement keeps the replaced
// file's permissions, and a read-only file is not replaced.
#ifndef TURNEL_PLATFORM_FILE_REPLACE_H_
#define TURNEL_PLATFORM_FILE_REPLACE_H_

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_api.h"

// What ReplaceFileWhole gives.
constexpr int32_t kReplaceDone = 0;
// No temporary file could be made, or it could not be moved over the target.
constexpr int32_t kReplaceCannotCreate = 2;
// A write failed or came back short, or the close failed.
constexpr int32_t kReplaceWriteFailed = 4;

// Writes a file's whole content into the open file; false when a write failed
// or came back short.
using BodyWriter = std::function<bool(const FileApi& api, HANDLE file)>;

// write_body fills a new temporary file beside path, which then replaces
// path. Gives kReplaceDone, kReplaceCannotCreate or kReplaceWriteFailed.
int32_t ReplaceFileWhole(const char* path, const FileApi& api,
                         const BodyWriter& write_body);

// One write call that must write every byte; an empty block needs no call.
bool WriteExactly(const FileApi& api, HANDLE file, const void* data,
                  DWORD size);

// Replaces path with bytes through the platform's own calls; true when every
// byte landed.
bool WriteWholeFile(const char* path, const std::string& bytes);

#endif  // TURNEL_PLATFORM_FILE_REPLACE_H_
