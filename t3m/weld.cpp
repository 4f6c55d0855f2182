// Welding: which vertex records share one position.
#include "t3m/weld.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace {

// Adding +0 turns -0 into +0 and leaves every other value as it is.
std::tuple<float, float, float> KeyOf(const MeshVertex& vertex) {
  return {vertex.x + 0.0f, vertex.y + 0.0f, vertex.z + 0.0f};
}

}  // namespace

std::vector<uint32_t> WeldPositions(const Model& model) {
  const std::vector<MeshVertex>& vertices = model.vertices;
  std::vector<uint32_t> order(vertices.size());
  std::iota(order.begin(), order.end(), 0u);
  // Stable, so that the numbering never depends on the sort's whims.
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return KeyOf(vertices[a]) < KeyOf(vertices[b]);
  });
  std::vector<uint32_t> ids(vertices.size());
  uint32_t id = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    if (k > 0 && KeyOf(vertices[order[k - 1]]) != KeyOf(vertices[order[k]])) {
      ++id;
    }
    ids[order[k]] = id;
  }
  return ids;
}
