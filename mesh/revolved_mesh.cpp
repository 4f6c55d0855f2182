// The surface that a profile sweeps out in one turn around the Y axis.
#include "mesh/revolved_mesh.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// A full turn is 4096 angle units of this many radians each (6.283184 / 4096,
// not 2 pi / 4096); model files are reproducible to the byte only with exactly
// these numbers, so neither may be "corrected".
constexpr int32_t kUnitsPerTurn = 4096;
constexpr double kRadiansPerUnit = 0.00153398046875;
// The most segments around the axis, at the finest accuracy.
constexpr int32_t kMaxSegments = 2 * kMaxAccuracy + 2;

}  // namespace

RevolvedMesh::RevolvedMesh(int32_t mesh_accuracy, const PlotPoint* profile,
                           int32_t n)
    : accuracy(mesh_accuracy),
      points(),
      // A caller that broke the limit in a release build loses points rather
      // than writing past the array.
      count(std::min(std::max(n, 0), kMaxPlotRows)) {
  assert(mesh_accuracy >= kMinAccuracy && mesh_accuracy <= kMaxAccuracy);
  assert(n >= 0 && n <= kMaxPlotRows);
  std::copy(profile, profile + count, points);
}

int32_t RevolvedMesh::GetVertexCount() const {
  return (GetSegmentCount() + 1) * count;
}

int32_t RevolvedMesh::GetConnCount() const {
  // An empty profile has no band, not a negative number of them.
  const int32_t bands = count > 1 ? count - 1 : 0;
  return 6 * GetSegmentCount() * bands;
}

void RevolvedMesh::FillPositions(MeshVertex* vertices) const {
  const int32_t segments = GetSegmentCount();
  // Integer division: where it leaves a remainder the last segment is wider.
  const int32_t step = kUnitsPerTurn / segments;
  // A column's angle is the same on every ring: its cosine and sine are
  // worked out once, not once per point.
  double cosines[kMaxSegments];
  double sines[kMaxSegments];
  for (int32_t j = 0; j < segments; ++j) {
    const double theta = static_cast<double>(step * j) * kRadiansPerUnit;
    cosines[j] = std::cos(theta);
    sines[j] = std::sin(theta);
  }
  for (int32_t i = 0; i < count; ++i) {
    const PlotPoint& point = points[i];
    MeshVertex* ring = vertices + VertexIndex(0, i);
    for (int32_t j = 0; j < segments; ++j) {
      // Products in double, then one rounding to float at the store.
      const double x = cosines[j] * point.x;
      const double z = sines[j] * point.x;
      ring[j].x = static_cast<float>(x);
      ring[j].y = static_cast<float>(point.y);
      ring[j].z = static_cast<float>(z);
    }
    // The seam repeats column 0 bit for bit so that the surface closes
    // exactly while u still runs up to 1 without wrapping.
    ring[segments].x = ring[0].x;
    ring[segments].y = static_cast<float>(point.y);
    ring[segments].z = ring[0].z;
  }
}

void RevolvedMesh::FillConns(MeshConn* conns) const {
  if (count < 2) return;
  const int32_t segments = GetSegmentCount();
  MeshConn* cursor = conns;
  for (int32_t j = 0; j < segments; ++j) {
    // Wound so that the face turns towards the axis where the profile climbs.
    const MeshConn a = static_cast<MeshConn>(VertexIndex(j, 0));
    const MeshConn b = static_cast<MeshConn>(VertexIndex(j + 1, 0));
    const MeshConn c = static_cast<MeshConn>(VertexIndex(j + 1, 1));
    const MeshConn d = static_cast<MeshConn>(VertexIndex(j, 1));
    *cursor++ = a;
    *cursor++ = b;
    *cursor++ = c;
    *cursor++ = a;
    *cursor++ = c;
    *cursor++ = d;
  }
  // Every later band is the first moved up by whole rings. The entries are
  // taken eight at a time through a copy, which the compiler adds as one
  // vector; MeshConn wraps the same way the index casts above do.
  constexpr int32_t kLanes = 8;
  const int32_t band_size = 6 * segments;
  for (int32_t i = 1; i + 1 < count; ++i) {
    const MeshConn offset = static_cast<MeshConn>(VertexIndex(0, i));
    int32_t k = 0;
    for (; k + kLanes <= band_size; k += kLanes) {
      MeshConn lanes[kLanes];
      for (int32_t l = 0; l < kLanes; ++l) lanes[l] = conns[k + l];
      for (int32_t l = 0; l < kLanes; ++l) {
        cursor[k + l] = static_cast<MeshConn>(lanes[l] + offset);
      }
    }
    for (; k < band_size; ++k) {
      cursor[k] = static_cast<MeshConn>(conns[k] + offset);
    }
    cursor += band_size;
  }
  assert(cursor - conns == GetConnCount());
}

void RevolvedMesh::FillTexCoords(MeshVertex* vertices) const {
  const int32_t segments = GetSegmentCount();
  const double du = 1.0 / segments;
  // The profile never exceeds the point array, so neither do these.
  double lengths[kMaxPlotRows] = {};
  double shares[kMaxPlotRows] = {};
  double total = 0.0;
  for (int32_t k = 0; k + 1 < count; ++k) {
    const double dx = points[k + 1].x - points[k].x;
    const double dy = points[k + 1].y - points[k].y;
    lengths[k] = std::sqrt(dx * dx + dy * dy);
    total += lengths[k];
  }
  // A profile of equal points has no length to share out: every ring keeps
  // v = 0 rather than the NaN of 0 / 0.
  if (total > 0.0) {
    // Each share is added on its own, in order, so the sum is reproducible.
    for (int32_t k = 0; k + 1 < count; ++k) {
      shares[k + 1] = shares[k] + lengths[k] / total;
    }
  }
  // u is the same on every ring, v the same all round one.
  float columns_u[kMaxSegments + 1];
  for (int32_t j = 0; j <= segments; ++j) {
    columns_u[j] = static_cast<float>(j * du);
  }
  for (int32_t i = 0; i < count; ++i) {
    MeshVertex* ring = vertices + VertexIndex(0, i);
    const float v = static_cast<float>(shares[i]);
    for (int32_t j = 0; j <= segments; ++j) {
      ring[j].u = columns_u[j];
      ring[j].v = v;
    }
  }
}
