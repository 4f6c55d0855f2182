// The exports to the standard mesh formats. Each one writes the surface that
// PrepareSurface gives: the triangles with area, facing outwards.
#ifndef TURNEL_T3M_EXPORTERS_H_
#define TURNEL_T3M_EXPORTERS_H_

#include <cstdint>
#include <string>

#include "t3m/export_surface.h"
#include "t3m/model.h"

enum class ExportFormat { kUnknown, kObj, kStl, kPly, kGlb, k3mf };

// The format named by the path's extension, in any case.
ExportFormat FormatForPath(const std::string& path);

// The up axis each format's readers expect: printing formats are Z-up, OBJ
// and glTF Y-up.
UpAxis DefaultUpAxis(ExportFormat format);

// Wavefront OBJ text: one position for each welded position, so that the
// seam and the axis close; a texture coordinate for each record, so that the
// seam keeps u = 0 on one side and u = 1 on the other.
std::string ExportObj(const Model& model, const ExportSurface& surface,
                      UpAxis up);

// Binary STL for printing: unit normals, and -0 written as +0 so that equal
// corners have equal bytes.
std::string ExportStl(const Model& model, const ExportSurface& surface,
                      UpAxis up);

// Binary little-endian PLY: positions and texture coordinates per record,
// named s and t, and the faces.
std::string ExportPly(const Model& model, const ExportSurface& surface,
                      UpAxis up);

// Binary glTF 2.0: positions, normals split at creases, texture coordinates
// (v counted from the top of the image, as glTF does) and indices. False
// when the glTF library fails.
bool ExportGlb(const Model& model, const ExportSurface& surface, UpAxis up,
               std::string* bytes);

// 3MF for slicers: one object in millimetres, welded so that a closed model
// is manifold. False when the zip library fails.
bool Export3mf(const Model& model, const ExportSurface& surface, UpAxis up,
               std::string* bytes);

#endif  // TURNEL_T3M_EXPORTERS_H_
