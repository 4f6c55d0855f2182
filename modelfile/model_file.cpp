// The ".t3m" model file: its in-memory image, and the writer that puts the
// image on disk whole or leaves the disk as it was.
#include "modelfile/model_file.h"

#include <cassert>
#include <cstring>
#include <new>

#include "base/path_rules.h"

namespace {

constexpr DWORD kMaxBlockBytes = 0xFFFFFFFFu;

// Three writes: the whole header, then each block. The header's four fields
// go in one piece, as a write of a few bytes costs a call as dear as that of
// a block.
bool WriteImage(const FileApi& api, HANDLE file, const ModelFile& image) {
  DWORD vertex_bytes = 0;
  DWORD conn_bytes = 0;
  if (!ModelBlockBytes(image.vertex_count, kT3mVertexBytes, &vertex_bytes) ||
      !ModelBlockBytes(image.conn_count, kT3mConnBytes, &conn_bytes)) {
    return false;
  }
  unsigned char header[kT3mHeaderBytes];
  EncodeT3mHeader(image, header);
  return WriteExactly(api, file, header, sizeof header) &&
         WriteExactly(api, file, image.vertices, vertex_bytes) &&
         WriteExactly(api, file, image.conns, conn_bytes);
}

unsigned char* NewBlock(const void* source, DWORD bytes) {
  unsigned char* block = new (std::nothrow) unsigned char[bytes]();
  if (block != nullptr && source != nullptr && bytes > 0) {
    std::memcpy(block, source, bytes);
  }
  return block;
}

// An image over two blocks whose sizes the counts were checked to give.
ModelFile* NewImage(unsigned char* vertices, int32_t vertex_count,
                    unsigned char* conns, int32_t conn_count) {
  ModelFile* image = new (std::nothrow) ModelFile();
  if (image == nullptr) return nullptr;
  static_cast<T3mHeader&>(*image) = MakeT3mHeader(vertex_count, conn_count);
  image->vertices = vertices;
  image->conns = conns;
  return image;
}

}  // namespace

bool ModelBlockBytes(int32_t count, size_t record_bytes, DWORD* bytes) {
  if (count < 0) return false;
  uint64_t total = static_cast<uint64_t>(count) * record_bytes;
  if (total > kMaxBlockBytes) return false;
  *bytes = static_cast<DWORD>(total);
  return true;
}

ModelFile* CreateModelFile(const void* vertices, int32_t vertex_count,
                           const void* conns, int32_t conn_count) {
  DWORD vertex_bytes = 0;
  DWORD conn_bytes = 0;
  if (!ModelBlockBytes(vertex_count, kT3mVertexBytes, &vertex_bytes) ||
      !ModelBlockBytes(conn_count, kT3mConnBytes, &conn_bytes)) {
    return nullptr;
  }
  unsigned char* vertex_block = NewBlock(vertices, vertex_bytes);
  unsigned char* conn_block =
      vertex_block != nullptr ? NewBlock(conns, conn_bytes) : nullptr;
  ModelFile* image =
      conn_block != nullptr
          ? NewImage(vertex_block, vertex_count, conn_block, conn_count)
          : nullptr;
  if (image == nullptr) {
    delete[] conn_block;
    delete[] vertex_block;
  }
  return image;
}

ModelFile* AdoptModelFile(unsigned char* vertices, int32_t vertex_count,
                          unsigned char* conns, int32_t conn_count) {
  DWORD bytes = 0;
  if (!ModelBlockBytes(vertex_count, kT3mVertexBytes, &bytes) ||
      !ModelBlockBytes(conn_count, kT3mConnBytes, &bytes)) {
    return nullptr;
  }
  return NewImage(vertices, vertex_count, conns, conn_count);
}

void FreeModelFile(ModelFile* image) {
  if (image == nullptr) return;
  delete[] image->vertices;
  delete[] image->conns;
  delete image;
}

int32_t WriteModelFile(const char* path, const ModelFile& image) {
  return WriteModelFile(path, image, RealFileApi());
}

int32_t WriteModelFile(const char* path, const ModelFile& image,
                       const FileApi& api) {
  assert(path != nullptr);
  if (HasReservedPrefix(path)) return kModelFileReservedPath;
  return ReplaceFileWhole(path, api, [&image](const FileApi& io, HANDLE file) {
    return WriteImage(io, file, image);
  });
}
