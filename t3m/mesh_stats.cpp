// The figures "t3m info" reports: size, area, collapsed triangles, whether
// the surface is closed, and the volume it encloses.
#include "t3m/mesh_stats.h"

#include <algorithm>
#include <vector>

#include "t3m/weld.h"

namespace {

// One side of a triangle between two welded positions: the pair in rising
// order, and whether the triangle runs along it the other way.
struct EdgeUse {
  uint64_t key;
  bool reversed;
  bool operator<(const EdgeUse& other) const {
    return key != other.key ? key < other.key : reversed < other.reversed;
  }
};

void AddBounds(const Model& model, MeshStats* stats) {
  if (model.vertices.empty()) return;
  stats->has_bounds = true;
  stats->min = stats->max = PositionOf(model.vertices[0]);
  for (const MeshVertex& vertex : model.vertices) {
    Vec3 p = PositionOf(vertex);
    stats->min = {std::min(stats->min.x, p.x), std::min(stats->min.y, p.y),
                  std::min(stats->min.z, p.z)};
    stats->max = {std::max(stats->max.x, p.x), std::max(stats->max.y, p.y),
                  std::max(stats->max.z, p.z)};
  }
}

void CountEdges(std::vector<EdgeUse>* uses, MeshStats* stats) {
  std::sort(uses->begin(), uses->end());
  size_t k = 0;
  while (k < uses->size()) {
    size_t end = k;
    int forward = 0;
    while (end < uses->size() && (*uses)[end].key == (*uses)[k].key) {
      if (!(*uses)[end].reversed) ++forward;
      ++end;
    }
    const size_t count = end - k;
    ++stats->edge_count;
    if (count == 1) {
      ++stats->open_edges;
    } else if (count > 2) {
      ++stats->crowded_edges;
    } else if (forward != 1) {
      ++stats->miswound_edges;
    }
    k = end;
  }
}

}  // namespace

MeshStats ComputeStats(const Model& model) {
  return ComputeStats(model, WeldPositions(model));
}

MeshStats ComputeStats(const Model& model, const std::vector<uint32_t>& ids) {
  MeshStats stats;
  stats.vertex_count = static_cast<int32_t>(model.vertices.size());
  stats.conn_count = static_cast<int32_t>(model.conns.size());
  stats.triangle_count = model.TriangleCount();
  AddBounds(model, &stats);
  // Volumes taken about the middle of the box lose less to cancellation.
  const Vec3 origin = (stats.min + stats.max) * 0.5;
  std::vector<EdgeUse> uses;
  int32_t kept = 0;
  for (int32_t t = 0; t < stats.triangle_count; ++t) {
    Vec3 cross = FaceCross(model, t);
    stats.area += 0.5 * Length(cross);
    if (IsZeroArea(model, t)) {
      ++stats.zero_area_triangles;
      continue;
    }
    ++kept;
    std::array<uint16_t, 3> c = OutwardCorners(model, t);
    Vec3 a = PositionOf(model.vertices[c[0]]) - origin;
    Vec3 b = PositionOf(model.vertices[c[1]]) - origin;
    Vec3 d = PositionOf(model.vertices[c[2]]) - origin;
    stats.volume += Dot(a, Cross(b, d)) / 6.0;
    for (int k = 0; k < 3; ++k) {
      uint32_t from = ids[c[k]];
      uint32_t to = ids[c[(k + 1) % 3]];
      uint64_t low = std::min(from, to);
      uint64_t high = std::max(from, to);
      uses.push_back({low << 32 | high, from > to});
    }
  }
  CountEdges(&uses, &stats);
  stats.closed = kept > 0 && stats.open_edges == 0 &&
                 stats.crowded_edges == 0 && stats.miswound_edges == 0;
  return stats;
}
