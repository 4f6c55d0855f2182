// Vertex normals that stay smooth across gentle bends and split at creases.
#ifndef TURNEL_T3M_CREASE_NORMALS_H_
#define TURNEL_T3M_CREASE_NORMALS_H_

#include <vector>

#include "t3m/export_surface.h"
#include "t3m/geometry.h"
#include "t3m/model.h"

// Faces meeting at less than this share their normals. 50 degrees keeps the
// default sweep of eight sides (45 degrees apart) round, shows the coarser
// sweeps (60 and 90 degrees) as the prisms they are, and keeps a flat foot or
// lid apart from the side it meets at a right angle.
constexpr double kCreaseDegrees = 50.0;

// A unit normal for each corner of each face, three per face in the
// surface's order: the mean of the normals of the faces around the corner's
// position that meet its own face at less than the crease angle, each
// weighted by its angle at that position, so that how a band happens to be
// split into triangles does not tilt the result.
std::vector<Vec3> CornerNormals(const Model& model,
                                const ExportSurface& surface);

#endif  // TURNEL_T3M_CREASE_NORMALS_H_
