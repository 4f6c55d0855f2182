// Vector arithmetic in double and the faces of a model as the standard
// formats see them.
#ifndef TURNEL_T3M_GEOMETRY_H_
#define TURNEL_T3M_GEOMETRY_H_

#include <array>
#include <cmath>
#include <cstdint>

#include "t3m/model.h"

struct Vec3 {
  double x;
  double y;
  double z;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(const Vec3& a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
inline double Dot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }
// The unit vector along a, or the zero vector when a has no length.
inline Vec3 Normalized(const Vec3& a) {
  double length = Length(a);
  return length > 0.0 ? a * (1.0 / length) : Vec3{0.0, 0.0, 0.0};
}

inline Vec3 PositionOf(const MeshVertex& vertex) {
  return {vertex.x, vertex.y, vertex.z};
}

// The corner indices of triangle t in the order the standard formats expect.
// The model's triangles face the axis where the profile rises; turned over,
// a profile drawn from the foot upwards faces outwards.
inline std::array<uint16_t, 3> OutwardCorners(const Model& model, int32_t t) {
  const uint16_t* corners = &model.conns[3 * static_cast<size_t>(t)];
  return {corners[0], corners[2], corners[1]};
}

// The outward normal of triangle t scaled to twice its area.
inline Vec3 FaceCross(const Model& model, int32_t t) {
  std::array<uint16_t, 3> c = OutwardCorners(model, t);
  Vec3 a = PositionOf(model.vertices[c[0]]);
  return Cross(PositionOf(model.vertices[c[1]]) - a,
               PositionOf(model.vertices[c[2]]) - a);
}

// True for a triangle without area, such as the ones that collapse onto the
// axis where the profile touches it.
inline bool IsZeroArea(const Model& model, int32_t t) {
  Vec3 n = FaceCross(model, t);
  return n.x == 0.0 && n.y == 0.0 && n.z == 0.0;
}

#endif  // TURNEL_T3M_GEOMETRY_H_
