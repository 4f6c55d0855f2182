// The ".t3m" model file: its in-memory image, and the writer that puts the
// image on disk whole or leaves the disk as it was.
#ifndef TURNEL_MODELFILE_MODEL_FILE_H_
#define TURNEL_MODELFILE_MODEL_FILE_H_

#include <cstddef>
#include <cstdint>
#include <functional>

#include "winapi.h"

constexpr int32_t kModelFileVersion = 1;
constexpr size_t kVertexRecordBytes = 20;
constexpr size_t kConnEntryBytes = 2;

// WriteModelFile's statuses.
constexpr int32_t kModelFileWritten = 0;
constexpr int32_t kModelFileCannotCreate = 2;
constexpr int32_t kModelFileWriteFailed = 4;
constexpr int32_t kModelFileReservedPath = 11;

// One model file in memory. A new image is all zero; the two blocks are the
// image's own copies, released by FreeModelFile.
struct ModelFile {
  char magic[4];
  int32_t version;
  int32_t vertex_count;
  int32_t conn_count;
  unsigned char* vertices;  // vertex_count records of kVertexRecordBytes
  unsigned char* conns;     // conn_count entries of kConnEntryBytes
};

// The size of a block of count records: false when count is negative or the
// block is too big to be written in one call.
bool ModelBlockBytes(int32_t count, size_t record_bytes, DWORD* bytes);

// A new image with copies of both arrays (a missing array gives a zero-filled
// block); null when memory runs out or a count cannot size a block.
ModelFile* CreateModelFile(const void* vertices, int32_t vertex_count,
                           const void* conns, int32_t conn_count);

// A new image that takes over two blocks allocated with new[] and sized for
// the counts as ModelBlockBytes gives them; null, with both blocks still the
// caller's, when memory runs out or a count cannot size a block.
ModelFile* AdoptModelFile(unsigned char* vertices, int32_t vertex_count,
                          unsigned char* conns, int32_t conn_count);

// Releases the vertex block, the connection block, then the image; null is
// skipped.
void FreeModelFile(ModelFile* image);

// The file calls the writer makes, replaceable so that tests can make any of
// them fail.
struct FileApi {
  // Opens path for writing, unshared, created as disposition says.
  HANDLE (*create_file)(LPCSTR path, DWORD disposition);
  DWORD (*get_last_error)();
  BOOL (*write_file)(HANDLE file, const void* data, DWORD size, DWORD* written);
  BOOL (*close_handle)(HANDLE file);
  BOOL (*move_file)(LPCSTR from, LPCSTR to, DWORD flags);
  BOOL (*delete_file)(LPCSTR path);
};

// The platform's own calls.
const FileApi& RealFileApi();

// Writes the image to a new temporary file beside path and moves it over path
// once every byte is written and the file closed; on failure the temporary
// file is removed and whatever was at path stays as it was. Gives
// kModelFileWritten, kModelFileCannotCreate (also for a failed move),
// kModelFileWriteFailed or kModelFileReservedPath.
int32_t WriteModelFile(const char* path, const ModelFile& image);
int32_t WriteModelFile(const char* path, const ModelFile& image,
                       const FileApi& api);

// Writes a file's whole content into the open file; false when a write failed
// or came back short.
using BodyWriter = std::function<bool(const FileApi& api, HANDLE file)>;

// The safe replace under WriteModelFile, for any content: write_body fills a
// new temporary file beside path, which is moved over path once every byte is
// written and the file closed; on failure it is removed and whatever was at
// path stays as it was. Gives kModelFileWritten, kModelFileCannotCreate (also
// for a failed move) or kModelFileWriteFailed.
int32_t ReplaceFileWhole(const char* path, const FileApi& api,
                         const BodyWriter& write_body);

// One write call that must write every byte; an empty block needs no call.
bool WriteExactly(const FileApi& api, HANDLE file, const void* data,
                  DWORD size);

#endif  // TURNEL_MODELFILE_MODEL_FILE_H_
