// How a profile turns into rings of vertices and bands of triangles.
#include "mesh/revolved_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct Built {
  int32_t per_ring;
  std::vector<MeshVertex> vertices;
  std::vector<MeshConn> conns;
};

Built Build(int32_t accuracy, const std::vector<PlotPoint>& points) {
  RevolvedMesh mesh(accuracy, points.data(), int32_t(points.size()));
  Built built{mesh.GetSegmentCount() + 1,
              std::vector<MeshVertex>(mesh.GetVertexCount()),
              std::vector<MeshConn>(mesh.GetConnCount())};
  mesh.FillPositions(built.vertices.data());
  mesh.FillConns(built.conns.data());
  mesh.FillTexCoords(built.vertices.data());
  return built;
}

TEST(RevolvedMeshTest, AccuracyOneTubeIsExactToTheBit) {
  const Built mesh = Build(1, {{-10, 0}, {-10, 5}});
  const float kX[] = {-10, -3.2679491e-6f, 10, 9.8038472e-6f, -10};
  const float kZ[] = {-0.0f, -10, -6.5358981e-6f, 10, -0.0f};
  ASSERT_EQ(mesh.vertices.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    const MeshVertex& got = mesh.vertices[i];
    const MeshVertex want{kX[i % 5], i < 5 ? 0.0f : 5.0f, kZ[i % 5],
                          (i % 5) / 4.0f, i < 5 ? 0.0f : 1.0f};
    EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << "record " << i;
  }
  EXPECT_EQ(mesh.conns,
            (std::vector<MeshConn>{0, 1, 6, 0, 6, 5, 1, 2, 7, 1, 7, 6,
                                   2, 3, 8, 2, 8, 7, 3, 4, 9, 3, 9, 8}));
}

TEST(RevolvedMeshTest, AccuracySetsColumnsAnglesAndCounts) {
  // accuracy, segments, step, units of the last band, vertices per ring
  const int32_t kCases[][5] = {{1, 4, 1024, 1024, 5}, {2, 6, 682, 686, 7},
                               {3, 8, 512, 512, 9},   {4, 10, 409, 415, 11},
                               {5, 12, 341, 345, 13}, {6, 14, 292, 300, 15},
                               {7, 16, 256, 256, 17}, {8, 18, 227, 237, 19},
                               {9, 20, 204, 220, 21}, {10, 22, 186, 190, 23}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c[0]);
    const Built mesh = Build(c[0], {{-2500, 0}, {-2500, 1}, {-2500, 2}});
    EXPECT_EQ(mesh.per_ring, c[4]);
    EXPECT_EQ(mesh.vertices.size(), size_t(c[4] * 3));
    EXPECT_EQ(mesh.conns.size(), size_t(6 * c[1] * 2));
    // Each column's angle, read back in whole angle units from its position.
    for (int32_t j = 0; j < c[1]; ++j) {
      const MeshVertex& vertex = mesh.vertices[j];
      double units = std::atan2(-vertex.z, -vertex.x) / 0.00153398046875;
      if (units < -0.5) units += 4096;
      EXPECT_EQ(std::lround(units), c[2] * j);
    }
    EXPECT_EQ(4096 - c[2] * (c[1] - 1), c[3]);
  }
}

TEST(RevolvedMeshTest, LargestMeshStaysWithinSixteenBitIndices) {
  std::vector<PlotPoint> points;
  for (int k = 0; k < 200; ++k) points.push_back({-1.0 - k % 37, 7.0 * k});
  const Built mesh = Build(10, points);
  ASSERT_EQ(mesh.vertices.size(), 4600u);
  ASSERT_EQ(mesh.conns.size(), 26268u);
  for (MeshConn index : mesh.conns) ASSERT_LT(index, 4600);
  for (int j = 0; j < 23; ++j) EXPECT_EQ(mesh.vertices[4577 + j].v, 1.0f);
}

TEST(RevolvedMeshTest, EveryBandJoinsItsTwoRingsAtEveryAccuracy) {
  for (int32_t accuracy = 1; accuracy <= 10; ++accuracy) {
    SCOPED_TRACE(accuracy);
    const Built mesh = Build(accuracy, {{-5, 0}, {-6, 1}, {-7, 2}, {-8, 3}});
    const int32_t per_ring = mesh.per_ring;
    const int32_t segments = per_ring - 1;
    ASSERT_EQ(mesh.conns.size(), size_t(6 * segments * 3));
    size_t k = 0;
    for (int32_t i = 0; i < 3; ++i) {
      for (int32_t j = 0; j < segments; ++j, k += 6) {
        const int32_t a = i * per_ring + j, b = a + 1;
        const int32_t c = b + per_ring, d = a + per_ring;
        EXPECT_EQ(
            std::vector<MeshConn>(mesh.conns.begin() + k,
                                  mesh.conns.begin() + k + 6),
            (std::vector<MeshConn>{MeshConn(a), MeshConn(b), MeshConn(c),
                                   MeshConn(a), MeshConn(c), MeshConn(d)}))
            << "band " << i << ", segment " << j;
      }
    }
  }
}

struct OrientationCase {
  const char* name;
  std::vector<PlotPoint> points;
  // The normal's share along the outward radius times `outward`, plus its
  // share along +Y times `up`, must be positive.
  int outward, up;
};

TEST(RevolvedMeshTest, TrianglesFaceTheAxisWhereTheProfileClimbs) {
  const OrientationCase kCases[] = {
      {"rising tube", {{-10, 0}, {-10, 5}}, -1, 0},
      {"rising vase", {{0, 0}, {-30, 20}, {-12, 60}, {0, 70}}, -1, 0},
      {"falling tube", {{-10, 5}, {-10, 0}}, 1, 0},
      {"falling cone to the axis", {{-40, 30}, {0, 0}}, 1, 0},
      {"level step inwards faces down", {{-30, 4}, {-10, 4}}, 0, -1},
      {"level step outwards faces up", {{0, 4}, {-30, 4}}, 0, 1},
  };
  for (const OrientationCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const Built mesh = Build(3, c.points);
    for (size_t t = 0; t < mesh.conns.size(); t += 3) {
      const MeshVertex& a = mesh.vertices[mesh.conns[t]];
      const MeshVertex& b = mesh.vertices[mesh.conns[t + 1]];
      const MeshVertex& p = mesh.vertices[mesh.conns[t + 2]];
      const double e[] = {b.x - a.x, b.y - a.y, b.z - a.z};
      const double f[] = {p.x - a.x, p.y - a.y, p.z - a.z};
      const double n[] = {e[1] * f[2] - e[2] * f[1], e[2] * f[0] - e[0] * f[2],
                          e[0] * f[1] - e[1] * f[0]};
      const double size = std::hypot(n[0], n[1], n[2]);
      if (size < 1e-3) continue;  // collapsed on the axis
      const double rx = a.x + b.x + p.x, rz = a.z + b.z + p.z;
      const double outward = (n[0] * rx + n[2] * rz) / std::hypot(rx, rz);
      EXPECT_GT((c.outward * outward + c.up * n[1]) / size, 0.1) << t;
    }
  }
}

struct ProfileCase {
  const char* name;
  std::vector<PlotPoint> points;
  std::vector<float> ring_v;
};

TEST(RevolvedMeshTest, RingsFollowTheProfileEvenWhereItDegenerates) {
  const ProfileCase kCases[] = {
      {"one point", {{-10, 5}}, {0}},
      {"starts on the axis", {{0, 0}, {-10, 10}}, {0, 1}},
      {"uneven segments", {{-10, 0}, {-10, 3}, {-10, 4}}, {0, 0.75f, 1}},
      {"equal consecutive points", {{-10, 0}, {-10, 0}, {-10, 8}}, {0, 0, 1}},
      {"all points equal", {{-7, 3}, {-7, 3}, {-7, 3}}, {0, 0, 0}},
  };
  for (const ProfileCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const Built mesh = Build(2, c.points);
    for (size_t i = 0; i < c.points.size(); ++i) {
      const MeshVertex* ring = &mesh.vertices[i * mesh.per_ring];
      const MeshVertex& seam = ring[mesh.per_ring - 1];
      EXPECT_EQ(Bits(seam.x), Bits(ring[0].x));
      EXPECT_EQ(Bits(seam.z), Bits(ring[0].z));
      for (int32_t j = 0; j < mesh.per_ring; ++j) {
        EXPECT_EQ(ring[j].y, float(c.points[i].y));
        EXPECT_EQ(Bits(ring[j].v), Bits(c.ring_v[i]));
        // A point on the axis makes a ring that has shrunk to that point.
        EXPECT_TRUE(c.points[i].x != 0 || (ring[j].x == 0 && ring[j].z == 0));
      }
    }
  }
}

}  // namespace
