// Smooth vertex normals, shared by every record at one position.
#include "t3m/smooth_normals.h"

#include <algorithm>
#include <cstdint>

#include "t3m/weld.h"

std::vector<Vec3> SmoothNormals(const Model& model) {
  const std::vector<uint32_t> ids = WeldPositions(model);
  const uint32_t positions =
      ids.empty() ? 0 : *std::max_element(ids.begin(), ids.end()) + 1;
  std::vector<Vec3> sums(positions, Vec3{0.0, 0.0, 0.0});
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    // Twice the area times the unit normal: the weighting comes for free.
    Vec3 cross = FaceCross(model, t);
    for (uint16_t corner : OutwardCorners(model, t)) {
      sums[ids[corner]] = sums[ids[corner]] + cross;
    }
  }
  std::vector<Vec3> normals(model.vertices.size());
  for (size_t i = 0; i < normals.size(); ++i) {
    Vec3 n = Normalized(sums[ids[i]]);
    normals[i] = Length(n) > 0.0 ? n : Vec3{0.0, 1.0, 0.0};
  }
  return normals;
}
