// The exports to the standard mesh formats. Each one writes the triangles
// turned over to face outwards (see OutwardCorners).
#ifndef TURNEL_T3M_EXPORTERS_H_
#define TURNEL_T3M_EXPORTERS_H_

#include <cstdint>
#include <string>

#include "t3m/model.h"

enum class ExportFormat { kUnknown, kObj, kStl, kPly, kGlb };

// The format named by the path's extension, in any case.
ExportFormat FormatForPath(const std::string& path);

// Wavefront OBJ text: positions, texture coordinates and faces, every
// triangle kept.
std::string ExportObj(const Model& model);

// Binary STL for printing: the triangles with area only, each with its unit
// normal, and -0 written as +0 so that equal corners have equal bytes. Gives
// how many facets it wrote.
std::string ExportStl(const Model& model, int32_t* facets);

// Binary little-endian PLY: positions, texture coordinates and faces, every
// triangle kept.
std::string ExportPly(const Model& model);

// Binary glTF 2.0: positions, smooth normals, texture coordinates (v counted
// from the top of the image, as glTF does) and indices. False when the glTF
// library fails or the model has no triangle.
bool ExportGlb(const Model& model, std::string* bytes);

#endif  // TURNEL_T3M_EXPORTERS_H_
