// Welding: which vertex records share one position.
#include "t3m/weld.h"

#include <algorithm>
#include <cstdint>
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
  std::vector<uint32_t> groups(vertices.size());
  uint32_t group = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    if (k > 0 && KeyOf(vertices[order[k - 1]]) != KeyOf(vertices[order[k]])) {
      ++group;
    }
    groups[order[k]] = group;
  }
  // Numbered again in the order the records first reach each position, so
  // that a welded file lists its positions in the model's own order.
  const uint32_t kUnnumbered = UINT32_MAX;
  std::vector<uint32_t> number_of(vertices.empty() ? 0 : group + 1,
                                  kUnnumbered);
  std::vector<uint32_t> ids(vertices.size());
  uint32_t next = 0;
  for (size_t i = 0; i < vertices.size(); ++i) {
    uint32_t& number = number_of[groups[i]];
    if (number == kUnnumbered) number = next++;
    ids[i] = number;
  }
  return ids;
}
