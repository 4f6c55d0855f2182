// The 3D model library: keeps a copy of every model it is given until it is
// shut down, and gives the records back on request.
#include "lib3d/torvane3d.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "base/t3m_format.h"
#include "platform/memory.h"

namespace {

struct Model {
  std::unique_ptr<MeshVertex[]> vertices;
  std::unique_ptr<MeshConn[]> conns;
  int32_t vertex_count = 0;
  int32_t conn_count = 0;
};

struct Library {
  bool started = false;
  void* window = nullptr;
  Torvane3DSize size = {0, 0};
  std::vector<Model> models;  // the model with handle h sits at h - 1
};

Library& State() {
  static Library library;
  return library;
}

const Model* Find(T3DMODEL handle) {
  Library& lib = State();
  if (!lib.started || handle == 0 || handle > lib.models.size()) {
    return nullptr;
  }
  return &lib.models[handle - 1];
}

// Copies records [start, start + count) that the model holds; the count is
// cut to what exists so that a reader can never run past the model.
int32_t CopyOut(const unsigned char* from, int32_t held, size_t record_size,
                int32_t start, int32_t count, void* dest) {
  if (dest == nullptr || start < 0 || count <= 0 || start >= held) return 0;
  int32_t n = held - start < count ? held - start : count;
  std::memcpy(dest, from + static_cast<size_t>(start) * record_size,
              static_cast<size_t>(n) * record_size);
  return n;
}

bool ConnsFitVertices(const MeshConn* conns, int32_t conn_count,
                      int32_t vertex_count) {
  // The largest entry decides. Eight running maxima, one per lane, let the
  // compiler keep them in one vector register and take eight entries a step.
  constexpr int32_t kLanes = 8;
  MeshConn lanes[kLanes] = {};
  int32_t i = 0;
  for (; i + kLanes <= conn_count; i += kLanes) {
    for (int32_t l = 0; l < kLanes; ++l) {
      lanes[l] = conns[i + l] > lanes[l] ? conns[i + l] : lanes[l];
    }
  }
  MeshConn largest = 0;
  for (int32_t l = 0; l < kLanes; ++l) {
    largest = lanes[l] > largest ? lanes[l] : largest;
  }
  for (; i < conn_count; ++i) {
    largest = conns[i] > largest ? conns[i] : largest;
  }
  return conn_count == 0 || largest < vertex_count;
}

// A copy of count records, taken in one pass from wherever the caller's lie,
// aligned or not; the new block is not cleared first. Throws std::bad_alloc.
template <typename Record>
std::unique_ptr<Record[]> CopyBlock(const void* from, int32_t count) {
  std::unique_ptr<Record[]> block(new Record[static_cast<size_t>(count)]);
  const size_t bytes = static_cast<size_t>(count) * sizeof(Record);
  if (bytes > 0) {
    PrepareForWriting(block.get(), bytes);
    std::memcpy(block.get(), from, bytes);
  }
  return block;
}

}  // namespace

extern "C" {

int32_t Torvane3D_Init(int32_t, void* window, const Torvane3DSize* size,
                       int32_t) {
  Library& lib = State();
  if (lib.started) return 0;
  lib.started = true;
  lib.window = window;
  lib.size = size != nullptr ? *size : Torvane3DSize{0, 0};
  return 1;
}

int32_t Torvane3D_UnInit(void) {
  Library& lib = State();
  if (!lib.started) return 0;
  std::vector<Model>().swap(lib.models);
  lib = Library();
  return 1;
}

T3DMODEL Torvane3D_CreateModel(int32_t format, int32_t primitive,
                               const void* vertices, int32_t vertex_count,
                               const void* conns, int32_t conn_count) {
  Library& lib = State();
  if (!lib.started || format != TORVANE3D_FORMAT_XYZ_UV ||
      primitive != TORVANE3D_PRIMITIVE_TRIANGLES) {
    return 0;
  }
  if (vertex_count < 0 || conn_count < 0 || conn_count % 3 != 0) return 0;
  if ((vertex_count > 0 && vertices == nullptr) ||
      (conn_count > 0 && conns == nullptr)) {
    return 0;
  }
  Model model;
  try {
    // The copy is checked, not the caller's entries, which could change
    // between the check and the copy.
    model.conns = CopyBlock<MeshConn>(conns, conn_count);
    if (!ConnsFitVertices(model.conns.get(), conn_count, vertex_count)) {
      return 0;
    }
    model.vertices = CopyBlock<MeshVertex>(vertices, vertex_count);
    model.vertex_count = vertex_count;
    model.conn_count = conn_count;
    if (lib.models.size() >= 0xFFFFFFFEu) return 0;
    lib.models.push_back(std::move(model));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return static_cast<T3DMODEL>(lib.models.size());
}

int32_t T3DModel_GetParam(T3DMODEL handle, int32_t id) {
  const Model* model = Find(handle);
  if (model == nullptr) return 0;
  if (id == T3DMODEL_PARAM_VERTEX_COUNT) return model->vertex_count;
  if (id == T3DMODEL_PARAM_CONN_COUNT) return model->conn_count;
  return 0;
}

int32_t T3DModel_GetVts(T3DMODEL handle, int32_t start, int32_t count,
                        void* dest) {
  const Model* model = Find(handle);
  if (model == nullptr) return 0;
  return CopyOut(reinterpret_cast<const unsigned char*>(model->vertices.get()),
                 model->vertex_count, sizeof(MeshVertex), start, count, dest);
}

int32_t T3DModel_GetConns(T3DMODEL handle, int32_t start, int32_t count,
                          void* dest) {
  const Model* model = Find(handle);
  if (model == nullptr) return 0;
  return CopyOut(reinterpret_cast<const unsigned char*>(model->conns.get()),
                 model->conn_count, sizeof(MeshConn), start, count, dest);
}

}  // extern "C"
