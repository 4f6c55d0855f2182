// The Wavefront OBJ export: welded positions, texture coordinates and faces.
#include <vector>

#include "t3m/append_format.h"
#include "t3m/exporters.h"

std::string ExportObj(const Model& model, const ExportSurface& surface,
                      UpAxis up) {
  std::string out;
  AppendFormat(&out, "# t3m export: %u positions, %zu triangles\n",
               surface.position_count, surface.faces.size());
  // Nine significant digits bring every float back to the same bits.
  for (uint32_t record : FirstRecords(surface)) {
    Vec3 p = UpPosition(model.vertices[record], up);
    AppendFormat(&out, "v %.9g %.9g %.9g\n", static_cast<float>(p.x),
                 static_cast<float>(p.y), static_cast<float>(p.z));
  }
  for (const MeshVertex& vertex : model.vertices) {
    AppendFormat(&out, "vt %.9g %.9g\n", vertex.u, vertex.v);
  }
  // OBJ counts from 1.
  for (const Corners& c : surface.faces) {
    AppendFormat(&out, "f %u/%d %u/%d %u/%d\n", surface.position_ids[c[0]] + 1,
                 c[0] + 1, surface.position_ids[c[1]] + 1, c[1] + 1,
                 surface.position_ids[c[2]] + 1, c[2] + 1);
  }
  return out;
}
