// The binary STL export for printing: unit normals and no negative zeros.
#include "base/coding.h"
#include "t3m/exporters.h"

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

std::string ExportStl(const Model& model, const ExportSurface& surface,
                      UpAxis up) {
  std::string out(kStlHeader);
  out.resize(kStlHeaderBytes, '\0');
  PutFixed32(&out, static_cast<uint32_t>(surface.faces.size()));
  for (const Corners& c : surface.faces) {
    Vec3 p[3];
    for (int k = 0; k < 3; ++k) p[k] = UpPosition(model.vertices[c[k]], up);
    AppendPoint(Normalized(Cross(p[1] - p[0], p[2] - p[0])), &out);
    for (const Vec3& corner : p) AppendPoint(corner, &out);
    PutFixed16(&out, 0);  // no attributes
  }
  return out;
}
