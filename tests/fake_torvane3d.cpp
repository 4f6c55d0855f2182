// A stand-in for the 3D model library that records how it is called.
#include "tests/fake_torvane3d.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FakeTorvane3D state;

void Log(const std::string& line) {
  state.calls.push_back(line);
  const char* path = std::getenv("T3D_FAKE_LOG");
  if (path == nullptr) return;
  if (FILE* file = std::fopen(path, "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

bool EnvIsZero(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && std::strcmp(value, "0") == 0;
}

}  // namespace

FakeTorvane3D& Fake() { return state; }

void ResetFake() { state = FakeTorvane3D(); }

extern "C" {

int32_t Torvane3D_Init(int32_t, void*, const Torvane3DSize*, int32_t) {
  if (EnvIsZero("T3D_FAKE_INIT")) state.init_result = 0;
  if (EnvIsZero("T3D_FAKE_CREATE")) state.refuse_create = true;
  ++state.init_calls;
  Log("Init");
  return state.init_result;
}

int32_t Torvane3D_UnInit(void) {
  ++state.uninit_calls;
  Log("UnInit");
  return 1;
}

T3DMODEL Torvane3D_CreateModel(int32_t format, int32_t primitive,
                               const void* vertices, int32_t vertex_count,
                               const void* conns, int32_t conn_count) {
  ++state.create_calls;
  Log("CreateModel " + std::to_string(vertex_count) + " " +
      std::to_string(conn_count));
  state.format = format;
  state.primitive = primitive;
  state.vertex_count = vertex_count;
  state.conn_count = conn_count;
  state.vertices.assign(vertex_count > 0 ? vertex_count * 5u : 0u, 0.0f);
  if (!state.vertices.empty() && vertices != nullptr) {
    std::memcpy(state.vertices.data(), vertices, state.vertices.size() * 4);
  }
  state.conns.assign(conn_count > 0 ? conn_count : 0, 0);
  if (!state.conns.empty() && conns != nullptr) {
    std::memcpy(state.conns.data(), conns, state.conns.size() * 2);
  }
  return state.refuse_create ? 0 : 1;
}

int32_t T3DModel_GetParam(T3DMODEL, int32_t id) {
  Log("GetParam " + std::to_string(id));
  if (id == 1) {
    return state.override_params ? state.param_vertex_count
                                 : state.vertex_count;
  }
  if (id == 2) {
    return state.override_params ? state.param_conn_count : state.conn_count;
  }
  return 0;
}

int32_t T3DModel_GetVts(T3DMODEL, int32_t, int32_t count, void* dest) {
  Log("GetVts " + std::to_string(count));
  int32_t n = count < state.vertex_count ? count : state.vertex_count;
  if (n > 0) std::memcpy(dest, state.vertices.data(), n * 20u);
  return n;
}

int32_t T3DModel_GetConns(T3DMODEL, int32_t, int32_t count, void* dest) {
  Log("GetConns " + std::to_string(count));
  int32_t n = count < state.conn_count ? count : state.conn_count;
  if (n > 0) std::memcpy(dest, state.conns.data(), n * 2u);
  return n;
}

}  // extern "C"
