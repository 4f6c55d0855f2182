// Vertex normals that stay smooth across gentle bends and split at creases.
#include "t3m/crease_normals.h"

#include <cmath>
#include <cstdint>

namespace {

// The angle of the face at corner k, between its two edges.
double CornerAngle(const Model& model, const Corners& c, int k) {
  Vec3 p = PositionOf(model.vertices[c[k]]);
  Vec3 a = PositionOf(model.vertices[c[(k + 1) % 3]]) - p;
  Vec3 b = PositionOf(model.vertices[c[(k + 2) % 3]]) - p;
  return std::atan2(Length(Cross(a, b)), Dot(a, b));
}

}  // namespace

std::vector<Vec3> CornerNormals(const Model& model,
                                const ExportSurface& surface) {
  const size_t face_count = surface.faces.size();
  std::vector<Vec3> face_normals(face_count);
  std::vector<double> angles(3 * face_count);
  // The corners at each position, gathered by counting.
  std::vector<uint32_t> first(surface.position_count + 1, 0);
  for (size_t f = 0; f < face_count; ++f) {
    const Corners& c = surface.faces[f];
    Vec3 a = PositionOf(model.vertices[c[0]]);
    face_normals[f] = Normalized(Cross(PositionOf(model.vertices[c[1]]) - a,
                                       PositionOf(model.vertices[c[2]]) - a));
    for (int k = 0; k < 3; ++k) {
      angles[3 * f + k] = CornerAngle(model, c, k);
      ++first[surface.position_ids[c[k]] + 1];
    }
  }
  for (size_t p = 0; p < surface.position_count; ++p) first[p + 1] += first[p];
  std::vector<uint32_t> at_position(3 * face_count);
  std::vector<uint32_t> next(first.begin(), first.end() - 1);
  for (size_t corner = 0; corner < 3 * face_count; ++corner) {
    uint32_t p = surface.position_ids[surface.faces[corner / 3][corner % 3]];
    at_position[next[p]++] = static_cast<uint32_t>(corner);
  }

  const double min_cosine = std::cos(kCreaseDegrees * std::acos(-1.0) / 180);
  std::vector<Vec3> normals(3 * face_count);
  for (size_t corner = 0; corner < 3 * face_count; ++corner) {
    const Vec3& own = face_normals[corner / 3];
    uint32_t p = surface.position_ids[surface.faces[corner / 3][corner % 3]];
    Vec3 sum = {0.0, 0.0, 0.0};
    for (uint32_t k = first[p]; k < first[p + 1]; ++k) {
      const uint32_t other = at_position[k];
      const Vec3& n = face_normals[other / 3];
      if (Dot(own, n) >= min_cosine) sum = sum + n * angles[other];
    }
    // The face's own normal is in the sum and every other one leans towards
    // it, so the sum never vanishes.
    normals[corner] = Normalized(sum);
  }
  return normals;
}
