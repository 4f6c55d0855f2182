// Small hand-made models for the unit tests.
#ifndef TURNEL_T3M_TEST_MODELS_H_
#define TURNEL_T3M_TEST_MODELS_H_

#include <array>
#include <string>
#include <vector>

#include "base/coding.h"
#include "base/t3m_format.h"
#include "t3m/model.h"

using Positions = std::vector<std::array<float, 3>>;
using Faces = std::vector<std::array<uint16_t, 3>>;

// A model whose faces, as given, are the outward-wound ones: each is stored
// turned over, the way the converter stores its triangles.
inline Model MakeModel(const Positions& positions, const Faces& outward) {
  Model model;
  for (const auto& p : positions) {
    model.vertices.push_back({p[0], p[1], p[2], 0.0f, 0.0f});
  }
  for (const auto& f : outward) {
    model.conns.insert(model.conns.end(), {f[0], f[2], f[1]});
  }
  return model;
}

// The bytes of the model file that holds the model, made from the format's
// own pieces, so that a reader can be checked as the writer's exact inverse.
inline std::string ModelFileBytes(const Model& model) {
  unsigned char bytes[kT3mHeaderBytes];
  EncodeT3mHeader(MakeT3mHeader(static_cast<int32_t>(model.vertices.size()),
                                static_cast<int32_t>(model.conns.size())),
                  bytes);
  std::string out(reinterpret_cast<const char*>(bytes), sizeof bytes);
  for (const MeshVertex& vertex : model.vertices) {
    unsigned char record[kT3mVertexBytes];
    EncodeT3mVertex(vertex, record);
    out.append(reinterpret_cast<const char*>(record), sizeof record);
  }
  for (MeshConn conn : model.conns) PutFixed16(&out, conn);
  return out;
}

// The corners of the unit right tetrahedron, and its faces wound outwards.
inline Positions TetraPositions() {
  return {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
}
inline Faces TetraFaces() {
  return {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
}

// A square pyramid of volume 4/3, apex up, drawn the way the converter draws a
// profile that ends on the axis: the apex is one record per column, the seam
// repeats the first column, and half the triangles of the top band collapse.
inline Model AxisPyramid(float apex_x) {
  Positions p = {{1, 0, 1}, {1, 0, -1}, {-1, 0, -1}, {-1, 0, 1}, {1, 0, 1}};
  for (int j = 0; j < 5; ++j) p.push_back({j % 2 ? apex_x : 0.0f, 1, 0});
  Faces f = {{0, 2, 1}, {0, 3, 2}};  // the base, facing down
  for (uint16_t j = 0; j < 4; ++j) {
    f.push_back({j, uint16_t(j + 1), uint16_t(j + 6)});  // wall
    f.push_back({j, uint16_t(j + 5), uint16_t(j + 6)});  // collapsed
  }
  return MakeModel(p, f);
}

#endif  // TURNEL_T3M_TEST_MODELS_H_
