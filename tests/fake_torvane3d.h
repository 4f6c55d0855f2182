// A stand-in for the 3D model library that records how it is called and can
// be told to refuse, so that tests can watch the converter's side of the
// calls. A program linked against it reads T3D_FAKE_INIT=0 (refuse to start),
// T3D_FAKE_CREATE=0 (refuse every model) and T3D_FAKE_LOG=path (append one
// line per call) from its environment when it starts the library.
#ifndef TURNEL_TESTS_FAKE_TORVANE3D_H_
#define TURNEL_TESTS_FAKE_TORVANE3D_H_

#include <cstdint>
#include <string>
#include <vector>

#include "lib3d/torvane3d.h"

struct FakeTorvane3D {
  int32_t init_result = 1;
  bool refuse_create = false;
  // When set, T3DModel_GetParam gives these instead of the model's counts.
  bool override_params = false;
  int32_t param_vertex_count = 0;
  int32_t param_conn_count = 0;

  int init_calls = 0;
  int uninit_calls = 0;
  int create_calls = 0;
  std::vector<std::string> calls;  // "Init", "CreateModel", "GetParam 1", ...

  // The last CreateModel's arguments and copies of what they pointed to.
  int32_t format = 0;
  int32_t primitive = 0;
  int32_t vertex_count = 0;
  int32_t conn_count = 0;
  std::vector<float> vertices;  // five floats per record
  std::vector<uint16_t> conns;
};

// The fake's state; ResetFake() makes it new.
FakeTorvane3D& Fake();
void ResetFake();

#endif  // TURNEL_TESTS_FAKE_TORVANE3D_H_
