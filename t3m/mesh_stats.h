// The figures "t3m info" reports: size, area, collapsed triangles, whether
// the surface is closed, and the volume it encloses.
#ifndef TURNEL_T3M_MESH_STATS_H_
#define TURNEL_T3M_MESH_STATS_H_

#include <cstdint>
#include <vector>

#include "t3m/geometry.h"
#include "t3m/model.h"

struct MeshStats {
  int32_t vertex_count = 0;
  int32_t conn_count = 0;
  int32_t triangle_count = 0;
  bool has_bounds = false;  // false for a model without vertices
  Vec3 min = {0.0, 0.0, 0.0};
  Vec3 max = {0.0, 0.0, 0.0};
  double area = 0.0;
  int32_t zero_area_triangles = 0;
  // The edge check runs on the welded triangles that have area: a collapsed
  // triangle has no edge of its own, only a doubled copy of its neighbour's.
  int32_t edge_count = 0;
  int32_t open_edges = 0;      // on one triangle only
  int32_t crowded_edges = 0;   // on three triangles or more
  int32_t miswound_edges = 0;  // two triangles running along it the same way
  // Every edge on exactly two triangles that run along it in turn, and at
  // least one triangle.
  bool closed = false;
  // Enclosed by the outward-wound triangles: positive when they face outwards.
  // Meaningful only for a closed surface.
  double volume = 0.0;
};

// The model's indices must lie inside its vertex list, as the reader ensures.
MeshStats ComputeStats(const Model& model);
// The same, for a caller that has welded the positions already.
MeshStats ComputeStats(const Model& model,
                       const std::vector<uint32_t>& position_ids);

#endif  // TURNEL_T3M_MESH_STATS_H_
