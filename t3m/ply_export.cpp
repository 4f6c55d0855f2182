// The binary little-endian PLY export: positions, texture coordinates and
// faces.
#include <cstdio>

#include "base/coding.h"
#include "t3m/exporters.h"

std::string ExportPly(const Model& model, const ExportSurface& surface,
                      UpAxis up) {
  char header[512];
  // s and t are the names the common importers read texture coordinates by;
  // some of them skip texture_u and texture_v.
  std::snprintf(header, sizeof header,
                "ply\n"
                "format binary_little_endian 1.0\n"
                "comment t3m export\n"
                "element vertex %zu\n"
                "property float x\n"
                "property float y\n"
                "property float z\n"
                "property float s\n"
                "property float t\n"
                "element face %zu\n"
                "property list uchar int vertex_indices\n"
                "end_header\n",
                model.vertices.size(), surface.faces.size());
  std::string out(header);
  for (const MeshVertex& vertex : model.vertices) {
    Vec3 p = UpPosition(vertex, up);
    for (float value : {static_cast<float>(p.x), static_cast<float>(p.y),
                        static_cast<float>(p.z), vertex.u, vertex.v}) {
      PutFloat(&out, value);
    }
  }
  for (const Corners& c : surface.faces) {
    out.push_back(3);
    for (uint16_t corner : c) PutFixed32(&out, corner);
  }
  return out;
}
