// Fuzzes the model reader with the raw bytes of a model file: an accepted file
// must write back to the very same bytes, and the figures, exports and
// picture made from it must stay within what the model holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "t3m/exporters.h"
#include "t3m/mesh_stats.h"
#include "t3m/model_reader.h"
#include "t3m/renderer.h"
#include "t3m/test_models.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Model model;
  ReadResult result = ParseModel(data, size, &model);
  if (!result.ok()) {
    Check(model.vertices.empty() && model.conns.empty());
    // A size complaint names sizes that disagree.
    if (result.error == ReadError::kVerticesTruncated ||
        result.error == ReadError::kConnsTruncated) {
      Check(result.file_bytes < result.expected_bytes);
    }
    if (result.error == ReadError::kTrailingBytes) {
      Check(result.file_bytes > result.expected_bytes);
    }
    return 0;
  }
  Check(ModelFileBytes(model) ==
        std::string(reinterpret_cast<const char*>(data), size));

  MeshStats stats = ComputeStats(model);
  Check(stats.zero_area_triangles <= stats.triangle_count);
  Check(stats.open_edges + stats.crowded_edges + stats.miswound_edges <=
        stats.edge_count);
  // On a closed surface every kept triangle's three edges pair up.
  Check(!stats.closed ||
        2 * stats.edge_count ==
            3 * (stats.triangle_count - stats.zero_area_triangles));
  const ExportSurface surface = PrepareSurface(model);
  const size_t facets = surface.faces.size();
  Check(facets ==
        static_cast<size_t>(stats.triangle_count - stats.zero_area_triangles));
  Check(surface.turned == (stats.closed && stats.volume < 0.0));
  for (UpAxis up : {UpAxis::kY, UpAxis::kZ}) {
    Check(ExportStl(model, surface, up).size() == 84 + 50 * facets);
    ExportObj(model, surface, up);
    Check(ExportPly(model, surface, up).size() >
          20 * model.vertices.size() + 13 * facets);
    std::string bytes;
    Check(facets == 0 || Export3mf(model, surface, up, &bytes));
    Check(facets == 0 || ExportGlb(model, surface, up, &bytes));
  }
  Image image;
  if (RenderModel(model, 16, 12, &image)) {
    Check(image.rgb.size() == 16 * 12 * 3);
  } else {
    Check(facets == 0);
  }
  return 0;
}
