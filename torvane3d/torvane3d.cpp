// The 3D model library: keeps a copy of every model it is given until it is
// shut down, and gives the records back on request.
#include "lib3d/torvane3d.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "base/t3m_format.h"
#include "platform/memory.h"

namespace {

struct Model {
  // The records' bytes: copied in one pass, from wherever the caller's lie.
  std::vector<unsigned char> vertices;
  std::vector<MeshConn> conns;
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
  for (int32_t i = 0; i < conn_count; ++i) {
    if (conns[i] >= vertex_count) return false;
  }
  return true;
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
  // The connection entries may sit at any address the caller chose.
  std::vector<MeshConn> conn_copy;
  Model model;
  try {
    conn_copy.reserve(static_cast<size_t>(conn_count));
    PrepareForWriting(conn_copy.data(),
                      conn_copy.capacity() * sizeof(MeshConn));
    conn_copy.resize(static_cast<size_t>(conn_count));
    if (conn_count > 0) {
      std::memcpy(conn_copy.data(), conns, conn_copy.size() * sizeof(MeshConn));
    }
    if (!ConnsFitVertices(conn_copy.data(), conn_count, vertex_count)) {
      return 0;
    }
    const auto* first = static_cast<const unsigned char*>(vertices);
    if (vertex_count > 0) {
      const size_t bytes =
          static_cast<size_t>(vertex_count) * sizeof(MeshVertex);
      model.vertices.reserve(bytes);
      PrepareForWriting(model.vertices.data(), bytes);
      model.vertices.assign(first, first + bytes);
    }
    model.conns.swap(conn_copy);
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
  return CopyOut(model->vertices.data(), model->vertex_count,
                 sizeof(MeshVertex), start, count, dest);
}

int32_t T3DModel_GetConns(T3DMODEL handle, int32_t start, int32_t count,
                          void* dest) {
  const Model* model = Find(handle);
  if (model == nullptr) return 0;
  return CopyOut(reinterpret_cast<const unsigned char*>(model->conns.data()),
                 model->conn_count, sizeof(MeshConn), start, count, dest);
}

}  // extern "C"
