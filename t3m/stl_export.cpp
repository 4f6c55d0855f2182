// The binary STL export for printing: triangles with area only, unit
// normals, and no negative zeros.
#include "base/coding.h"
#include "t3m/exporters.h"
#include "t3m/geometry.h"

namespace {

constexpr size_t kStlHeaderBytes = 80;
// A header that does not begin with "solid", which marks the text form.
constexpr char kStlHeader[] = "t3m binary STL";

// A mesh checker matches corners by their bytes: -0 and +0 must not differ.
void AppendCoordinate(double value, std::string* out) {
  PutFloat(out, static_cast<float>(value) + 0.0f);
}

void AppendPoint(const Vec3& p, std::string* out) {
  AppendCoordinate(p.x, out);
  AppendCoordinate(p.y, out);
  AppendCoordinate(p.z, out);
}

}  // namespace

std::string ExportStl(const Model& model, int32_t* facets) {
  std::string out(kStlHeader);
  out.resize(kStlHeaderBytes, '\0');
  PutFixed32(&out, 0);  // the facet count, filled in below
  uint32_t count = 0;
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    if (IsZeroArea(model, t)) continue;
    std::array<uint16_t, 3> c = OutwardCorners(model, t);
    AppendPoint(Normalized(FaceCross(model, t)), &out);
    for (uint16_t corner : c) {
      AppendPoint(PositionOf(model.vertices[corner]), &out);
    }
    PutFixed16(&out, 0);  // no attributes
    ++count;
  }
  EncodeFixed32(reinterpret_cast<unsigned char*>(&out[kStlHeaderBytes]), count);
  *facets = static_cast<int32_t>(count);
  return out;
}
