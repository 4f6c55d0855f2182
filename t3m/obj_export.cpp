// The Wavefront OBJ export: welded positions, texture coordinates and faces.
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "t3m/exporters.h"

namespace {

// Nine significant digits bring every float back to the same bits.
void AppendLine(std::string* out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
void AppendLine(std::string* out, const char* format, ...) {
  char line[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  *out += line;
}

}  // namespace

std::string ExportObj(const Model& model, const ExportSurface& surface,
                      UpAxis up) {
  std::string out;
  AppendLine(&out, "# t3m export: %u positions, %zu triangles\n",
             surface.position_count, surface.faces.size());
  for (uint32_t record : FirstRecords(surface)) {
    Vec3 p = UpPosition(model.vertices[record], up);
    AppendLine(&out, "v %.9g %.9g %.9g\n", static_cast<float>(p.x),
               static_cast<float>(p.y), static_cast<float>(p.z));
  }
  for (const MeshVertex& vertex : model.vertices) {
    AppendLine(&out, "vt %.9g %.9g\n", vertex.u, vertex.v);
  }
  // OBJ counts from 1.
  for (const Corners& c : surface.faces) {
    AppendLine(&out, "f %u/%d %u/%d %u/%d\n", surface.position_ids[c[0]] + 1,
               c[0] + 1, surface.position_ids[c[1]] + 1, c[1] + 1,
               surface.position_ids[c[2]] + 1, c[2] + 1);
  }
  return out;
}
