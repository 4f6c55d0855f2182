// The ".t3m" model file: its in-memory image, and the writer that puts the
// image on disk whole or leaves the disk as it was.
#ifndef TURNEL_MODELFILE_MODEL_FILE_H_
#define TURNEL_MODELFILE_MODEL_FILE_H_

#include <cstdint>

#include "base/t3m_format.h"
#include "platform/file_api.h"
#include "platform/file_replace.h"

// WriteModelFile's statuses.
constexpr int32_t kModelFileWritten = kReplaceDone;
constexpr int32_t kModelFileCannotCreate = kReplaceCannotCreate;
constexpr int32_t kModelFileWriteFailed = kReplaceWriteFailed;
constexpr int32_t kModelFileReservedPath = 11;

// One model file in memory: the header's fields, then the two blocks. A new
// image is all zero; the blocks are the image's own copies, released by
// FreeModelFile.
struct ModelFile : T3mHeader {
  unsigned char* vertices;  // vertex_count records of kT3mVertexBytes
  unsigned char* conns;     // conn_count entries of kT3mConnBytes
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

// Writes the image to a new temporary file beside path and moves it over path
// once every byte is written and the file closed; on failure the temporary
// file is removed and whatever was at path stays as it was. Gives
// kModelFileWritten, kModelFileCannotCreate (also for a failed move),
// kModelFileWriteFailed or kModelFileReservedPath.
int32_t WriteModelFile(const char* path, const ModelFile& image);
int32_t WriteModelFile(const char* path, const ModelFile& image,
                       const FileApi& api);

#endif  // TURNEL_MODELFILE_MODEL_FILE_H_
