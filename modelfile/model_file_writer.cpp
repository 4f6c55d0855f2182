// Reads a model back from the 3D library and writes it as a ".t3m" file.
#include "modelfile/model_file_writer.h"

#include <cstring>
#include <memory>
#include <new>

#include "modelfile/model_file.h"

namespace {

struct ModelFileDeleter {
  void operator()(ModelFile* image) const { FreeModelFile(image); }
};

using Buffer = std::unique_ptr<unsigned char[]>;
using ModelFileHolder = std::unique_ptr<ModelFile, ModelFileDeleter>;

// A buffer for count records, or null when count cannot size one or memory
// runs out. Left unfilled: the library writes it, and ZeroUnfilled clears
// what it did not.
Buffer NewReadBuffer(int32_t count, size_t record_bytes) {
  DWORD bytes = 0;
  if (!ModelBlockBytes(count, record_bytes, &bytes)) return nullptr;
  return Buffer(new (std::nothrow) unsigned char[bytes]);
}

// Zeroes the records past the filled ones, so that a library that fills
// less than asked leaks no stale memory into the file; a filled count out
// of range counts as none.
void ZeroUnfilled(unsigned char* buffer, int32_t count, int32_t filled,
                  size_t record_bytes) {
  if (filled < 0 || filled > count) filled = 0;
  std::memset(buffer + static_cast<size_t>(filled) * record_bytes, 0,
              static_cast<size_t>(count - filled) * record_bytes);
}

}  // namespace

bool ModelFileWriter::Export(T3DMODEL model, const char* path) {
  // Declared in this order so that they go image first, vertices last.
  Buffer vertices;
  Buffer conns;
  ModelFileHolder image;

  int32_t vertex_count = T3DModel_GetParam(model, T3DMODEL_PARAM_VERTEX_COUNT);
  vertices = NewReadBuffer(vertex_count, kT3mVertexBytes);
  if (!vertices) return false;
  ZeroUnfilled(vertices.get(), vertex_count,
               T3DModel_GetVts(model, 0, vertex_count, vertices.get()),
               kT3mVertexBytes);

  int32_t conn_count = T3DModel_GetParam(model, T3DMODEL_PARAM_CONN_COUNT);
  conns = NewReadBuffer(conn_count, kT3mConnBytes);
  if (!conns) return false;
  ZeroUnfilled(conns.get(), conn_count,
               T3DModel_GetConns(model, 0, conn_count, conns.get()),
               kT3mConnBytes);

  // The image takes the buffers over: a copy would touch as much fresh memory
  // again, which costs a conversion more time than building the mesh.
  image.reset(
      AdoptModelFile(vertices.get(), vertex_count, conns.get(), conn_count));
  if (!image) return false;
  vertices.release();
  conns.release();
  return WriteModelFile(path, *image) == kModelFileWritten;
}
