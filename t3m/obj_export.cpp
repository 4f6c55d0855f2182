// The Wavefront OBJ export: positions, texture coordinates and faces.
#include <cstdio>

#include "t3m/exporters.h"
#include "t3m/geometry.h"

namespace {

// Nine significant digits bring every float back to the same bits.
void AppendLine(const char* tag, float a, float b, std::string* out) {
  char line[64];
  std::snprintf(line, sizeof line, "%s %.9g %.9g\n", tag, a, b);
  *out += line;
}

}  // namespace

std::string ExportObj(const Model& model) {
  std::string out;
  char line[128];
  std::snprintf(line, sizeof line, "# t3m export: %zu vertices, %d triangles\n",
                model.vertices.size(), model.TriangleCount());
  out += line;
  for (const MeshVertex& vertex : model.vertices) {
    std::snprintf(line, sizeof line, "v %.9g %.9g %.9g\n", vertex.x, vertex.y,
                  vertex.z);
    out += line;
  }
  for (const MeshVertex& vertex : model.vertices) {
    AppendLine("vt", vertex.u, vertex.v, &out);
  }
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    std::array<uint16_t, 3> c = OutwardCorners(model, t);
    // OBJ counts from 1; each corner takes the texture coordinate of its own
    // record.
    std::snprintf(line, sizeof line, "f %d/%d %d/%d %d/%d\n", c[0] + 1,
                  c[0] + 1, c[1] + 1, c[1] + 1, c[2] + 1, c[2] + 1);
    out += line;
  }
  return out;
}
