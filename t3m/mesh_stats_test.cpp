// The closure check, the volume and the counts that "t3m info" reports.
#include "t3m/mesh_stats.h"

#include <gtest/gtest.h>

#include "t3m/test_models.h"

namespace {

TEST(MeshStatsTest, ClosureAndVolumeFollowTheEdges) {
  Faces three = TetraFaces();
  three.pop_back();
  Faces turned = TetraFaces();
  std::swap(turned[3][1], turned[3][2]);
  Faces inward;
  for (auto f : TetraFaces()) inward.push_back({f[0], f[2], f[1]});
  Faces two_tetras = TetraFaces();  // a second one on the edge 0-1
  for (auto f : Faces{{0, 1, 4}, {0, 5, 1}, {0, 4, 5}, {1, 5, 4}}) {
    two_tetras.push_back(f);
  }
  Positions six = TetraPositions();
  six.push_back({0.5f, -1, 0});
  six.push_back({0.5f, 0, -1});
  const struct {
    const char* name;
    Model model;
    bool closed;
    int32_t open, crowded, miswound, zero_area;
    double volume;
  } kCases[] = {
      {"tetrahedron", MakeModel(TetraPositions(), TetraFaces()), true, 0, 0, 0,
       0, 1.0 / 6},
      {"wound inwards", MakeModel(TetraPositions(), inward), true, 0, 0, 0, 0,
       -1.0 / 6},
      {"one face missing", MakeModel(TetraPositions(), three), false, 3, 0, 0,
       0, 0},
      {"one face turned over", MakeModel(TetraPositions(), turned), false, 0, 0,
       3, 0, 0},
      {"two solids on one edge", MakeModel(six, two_tetras), false, 0, 1, 0, 0,
       0},
      {"collapsed triangles on the axis", AxisPyramid(0.0f), true, 0, 0, 0, 4,
       4.0 / 3},
      {"-0 on the axis welds to +0", AxisPyramid(-0.0f), true, 0, 0, 0, 4,
       4.0 / 3},
      {"empty", Model(), false, 0, 0, 0, 0, 0},
      {"a line of three points",
       MakeModel({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {{0, 1, 2}}), false, 0, 0,
       0, 1, 0},
  };
  for (const auto& c : kCases) {
    MeshStats stats = ComputeStats(c.model);
    EXPECT_EQ(stats.closed, c.closed) << c.name;
    EXPECT_EQ(stats.open_edges, c.open) << c.name;
    EXPECT_EQ(stats.crowded_edges, c.crowded) << c.name;
    EXPECT_EQ(stats.miswound_edges, c.miswound) << c.name;
    EXPECT_EQ(stats.zero_area_triangles, c.zero_area) << c.name;
    if (c.closed) {
      EXPECT_NEAR(stats.volume, c.volume, 1e-9) << c.name;
    }
  }
}

TEST(MeshStatsTest, BoxAndAreaCoverTheWholeModel) {
  MeshStats stats = ComputeStats(AxisPyramid(0.0f));
  EXPECT_TRUE(stats.has_bounds);
  EXPECT_EQ(stats.min.x, -1.0);
  EXPECT_EQ(stats.max.y, 1.0);
  EXPECT_EQ(stats.min.z, -1.0);
  // A base of 4 and four walls of base 2 and slant height sqrt(2).
  EXPECT_NEAR(stats.area, 4.0 + 4 * std::sqrt(2.0), 1e-9);
  EXPECT_EQ(stats.triangle_count, 10);
  EXPECT_FALSE(ComputeStats(Model()).has_bounds);
}

}  // namespace
