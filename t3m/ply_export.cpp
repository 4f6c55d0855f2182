// The binary little-endian PLY export: positions, texture coordinates and
// faces.
#include <cstdio>

#include "base/coding.h"
#include "t3m/exporters.h"
#include "t3m/geometry.h"

std::string ExportPly(const Model& model) {
  char header[512];
  std::snprintf(header, sizeof header,
                "ply\n"
                "format binary_little_endian 1.0\n"
                "comment t3m export\n"
                "element vertex %zu\n"
                "property float x\n"
                "property float y\n"
                "property float z\n"
                "property float texture_u\n"
                "property float texture_v\n"
                "element face %d\n"
                "property list uchar int vertex_indices\n"
                "end_header\n",
                model.vertices.size(), model.TriangleCount());
  std::string out(header);
  for (const MeshVertex& vertex : model.vertices) {
    for (float value : {vertex.x, vertex.y, vertex.z, vertex.u, vertex.v}) {
      PutFloat(&out, value);
    }
  }
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    out.push_back(3);
    for (uint16_t corner : OutwardCorners(model, t)) {
      PutFixed32(&out, corner);
    }
  }
  return out;
}
