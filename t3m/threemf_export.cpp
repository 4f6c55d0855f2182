// The 3MF export: the model as 3MF's XML, packed in a zip.
#include <vector>

#include "t3m/append_format.h"
#include "t3m/exporters.h"
#include "t3m/zip_archive.h"

namespace {

constexpr char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
    "content-types\">\n"
    " <Default Extension=\"rels\" ContentType=\"application/"
    "vnd.openxmlformats-package.relationships+xml\"/>\n"
    " <Default Extension=\"model\" ContentType=\"application/"
    "vnd.ms-package.3dmanufacturing-3dmodel+xml\"/>\n"
    "</Types>\n";

constexpr char kRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
    "relationships\">\n"
    " <Relationship Target=\"/3D/3dmodel.model\" Id=\"rel0\" "
    "Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel\"/>\n"
    "</Relationships>\n";

// One object in millimetres (one plot unit is one millimetre), each position
// once so that the seam and the axis close.
std::string ModelXml(const Model& model, const ExportSurface& surface,
                     UpAxis up) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<model unit=\"millimeter\" xml:lang=\"en-US\" "
      "xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\">\n"
      " <resources>\n"
      "  <object id=\"1\" name=\"model\" type=\"model\">\n"
      "   <mesh>\n"
      "    <vertices>\n";
  // Nine significant digits bring every float back to the same bits.
  for (uint32_t record : FirstRecords(surface)) {
    Vec3 p = UpPosition(model.vertices[record], up);
    AppendFormat(&xml, "     <vertex x=\"%.9g\" y=\"%.9g\" z=\"%.9g\"/>\n",
                 static_cast<float>(p.x), static_cast<float>(p.y),
                 static_cast<float>(p.z));
  }
  xml += "    </vertices>\n    <triangles>\n";
  for (const Corners& c : surface.faces) {
    AppendFormat(&xml, "     <triangle v1=\"%u\" v2=\"%u\" v3=\"%u\"/>\n",
                 surface.position_ids[c[0]], surface.position_ids[c[1]],
                 surface.position_ids[c[2]]);
  }
  xml +=
      "    </triangles>\n"
      "   </mesh>\n"
      "  </object>\n"
      " </resources>\n"
      " <build>\n"
      "  <item objectid=\"1\"/>\n"
      " </build>\n"
      "</model>\n";
  return xml;
}

}  // namespace

bool Export3mf(const Model& model, const ExportSurface& surface, UpAxis up,
               std::string* bytes) {
  return PackZip({{"[Content_Types].xml", kContentTypes},
                  {"_rels/.rels", kRelationships},
                  {"3D/3dmodel.model", ModelXml(model, surface, up)}},
                 bytes);
}
