// Smooth vertex normals, shared by every record at one position.
#ifndef TURNEL_T3M_SMOOTH_NORMALS_H_
#define TURNEL_T3M_SMOOTH_NORMALS_H_

#include <vector>

#include "t3m/geometry.h"
#include "t3m/model.h"

// A unit normal for each vertex record: the area-weighted sum of the outward
// normals of the triangles around its position, so that the seam's repeated
// records and the collapsed ring on the axis shade as one point. A position
// with no triangle around it gets +Y.
std::vector<Vec3> SmoothNormals(const Model& model);

#endif  // TURNEL_T3M_SMOOTH_NORMALS_H_
