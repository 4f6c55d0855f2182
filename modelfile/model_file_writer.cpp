// Reads a model back from the 3D library and writes it as a ".t3m" file.
#include "modelfile/model_file_writer.h"

#include <memory>
#include <new>

#include "modelfile/model_file.h"

namespace {

struct ModelFileDeleter {
  void operator()(ModelFile* image) const { FreeModelFile(image); }
};

using Buffer = std::unique_ptr<unsigned char[]>;
using ModelFileHolder = std::unique_ptr<ModelFile, ModelFileDeleter>;

// A zero-filled buffer for count records, or null when count cannot size one
// or memory runs out. Zero-filled so that a library that fills less than
// asked leaks no stale memory into the file.
Buffer NewReadBuffer(int32_t count, size_t record_bytes) {
  DWORD bytes = 0;
  if (!ModelBlockBytes(count, record_bytes, &bytes)) return nullptr;
  return Buffer(new (std::nothrow) unsigned char[bytes]());
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
  T3DModel_GetVts(model, 0, vertex_count, vertices.get());

  int32_t conn_count = T3DModel_GetParam(model, T3DMODEL_PARAM_CONN_COUNT);
  conns = NewReadBuffer(conn_count, kT3mConnBytes);
  if (!conns) return false;
  T3DModel_GetConns(model, 0, conn_count, conns.get());

  // The image takes the buffers over: a copy would touch as much fresh memory
  // again, which costs a conversion more time than building the mesh.
  image.reset(
      AdoptModelFile(vertices.get(), vertex_count, conns.get(), conn_count));
  if (!image) return false;
  vertices.release();
  conns.release();
  return WriteModelFile(path, *image) == kModelFileWritten;
}
