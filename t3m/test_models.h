// Small hand-made models for the unit tests.
#ifndef TURNEL_T3M_TEST_MODELS_H_
#define TURNEL_T3M_TEST_MODELS_H_

#include <tiny_gltf.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "base/coding.h"
#include "base/t3m_format.h"
#include "t3m/geometry.h"
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

// The one mesh of a binary glTF file as t3m writes it: float attributes and
// 32-bit indices. Empty when the glTF library cannot read it.
struct GlbMesh {
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;
  std::vector<std::array<float, 2>> uvs;
  std::vector<uint32_t> indices;
};

inline GlbMesh ReadGlb(const std::string& glb) {
  tinygltf::Model gltf;
  std::string error, warning;
  GlbMesh mesh;
  if (!tinygltf::TinyGLTF().LoadBinaryFromMemory(
          &gltf, &error, &warning,
          reinterpret_cast<const unsigned char*>(glb.data()),
          static_cast<unsigned int>(glb.size()))) {
    return mesh;
  }
  const tinygltf::Primitive& primitive = gltf.meshes[0].primitives[0];
  // The values of an accessor, each of width 4-byte words.
  auto values = [&](int index, size_t width) {
    const tinygltf::Accessor& accessor = gltf.accessors[index];
    const unsigned char* data =
        gltf.buffers[0].data.data() +
        gltf.bufferViews[accessor.bufferView].byteOffset;
    std::vector<float> out(accessor.count * width);
    std::memcpy(out.data(), data, 4 * out.size());
    return out;
  };
  std::vector<float> p = values(primitive.attributes.at("POSITION"), 3);
  std::vector<float> n = values(primitive.attributes.at("NORMAL"), 3);
  std::vector<float> t = values(primitive.attributes.at("TEXCOORD_0"), 2);
  for (size_t i = 0; i + 2 < p.size(); i += 3) {
    mesh.positions.push_back({p[i], p[i + 1], p[i + 2]});
    mesh.normals.push_back({n[i], n[i + 1], n[i + 2]});
    mesh.uvs.push_back({t[2 * i / 3], t[2 * i / 3 + 1]});
  }
  std::vector<float> indices = values(primitive.indices, 1);
  mesh.indices.resize(indices.size());
  std::memcpy(mesh.indices.data(), indices.data(), 4 * indices.size());
  return mesh;
}

#endif  // TURNEL_T3M_TEST_MODELS_H_
