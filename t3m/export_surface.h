// The surface every export writes: the triangles that have area, wound to
// face outwards, with their positions turned to the up axis asked for.
#ifndef TURNEL_T3M_EXPORT_SURFACE_H_
#define TURNEL_T3M_EXPORT_SURFACE_H_

#include <array>
#include <cstdint>
#include <vector>

#include "t3m/geometry.h"
#include "t3m/model.h"

// Which way is up in the written file. The model itself turns about +Y.
enum class UpAxis { kY, kZ };

using Corners = std::array<uint16_t, 3>;

struct ExportSurface {
  // Record indices, counter-clockwise seen from outside.
  std::vector<Corners> faces;
  // For each record, the number of its position: records at equal positions
  // (the seam's repeated column, a ring on the axis) share one.
  std::vector<uint32_t> position_ids;
  uint32_t position_count = 0;
  // A closed surface whose profile was drawn from the top down: every face
  // was turned over so that the solid faces outwards all the same.
  bool turned = false;
};

// The collapsed triangles on the axis are left out: they have no area, and
// each only doubles an edge of its neighbour, which would make the surface
// look torn to a slicer.
ExportSurface PrepareSurface(const Model& model);

// For each position, in order, the first record that stands there: the
// records a welded file writes.
std::vector<uint32_t> FirstRecords(const ExportSurface& surface);

// The record's position in the file's frame. Turning +Y up into +Z up is a
// rotation about X (y becomes z, z becomes -y), never a mirror, so the
// winding and the handedness stay right.
Vec3 UpPosition(const MeshVertex& vertex, UpAxis up);
Vec3 UpVector(const Vec3& v, UpAxis up);

#endif  // TURNEL_T3M_EXPORT_SURFACE_H_
