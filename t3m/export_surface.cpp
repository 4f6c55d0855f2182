// The surface every export writes: the triangles that have area, wound to
// face outwards, with their positions turned to the up axis asked for.
#include "t3m/export_surface.h"

#include <algorithm>

#include "t3m/mesh_stats.h"
#include "t3m/weld.h"

ExportSurface PrepareSurface(const Model& model) {
  ExportSurface surface;
  surface.position_ids = WeldPositions(model);
  if (!surface.position_ids.empty()) {
    surface.position_count = *std::max_element(surface.position_ids.begin(),
                                               surface.position_ids.end()) +
                             1;
  }
  const MeshStats stats = ComputeStats(model, surface.position_ids);
  // Only a closed surface has an inside; an open one keeps the way it was
  // drawn.
  surface.turned = stats.closed && stats.volume < 0.0;
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    if (IsZeroArea(model, t)) continue;
    Corners c = OutwardCorners(model, t);
    if (surface.turned) std::swap(c[1], c[2]);
    surface.faces.push_back(c);
  }
  return surface;
}

std::vector<uint32_t> FirstRecords(const ExportSurface& surface) {
  std::vector<uint32_t> records;
  records.reserve(surface.position_count);
  // Positions are numbered in the order the records first reach them.
  for (uint32_t i = 0; i < surface.position_ids.size(); ++i) {
    if (surface.position_ids[i] == records.size()) records.push_back(i);
  }
  return records;
}

Vec3 UpVector(const Vec3& v, UpAxis up) {
  // Adding +0 keeps -0 out of the file where -z is zero.
  return up == UpAxis::kY ? v : Vec3{v.x, -v.z + 0.0, v.y};
}

Vec3 UpPosition(const MeshVertex& vertex, UpAxis up) {
  return UpVector(PositionOf(vertex), up);
}
