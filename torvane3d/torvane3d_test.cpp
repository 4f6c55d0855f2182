// The library keeps an exact copy of each model and refuses what it cannot
// hold safely.
#include "lib3d/torvane3d.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int32_t kFormat = TORVANE3D_FORMAT_XYZ_UV;
constexpr int32_t kTriangles = TORVANE3D_PRIMITIVE_TRIANGLES;

class Torvane3DTest : public testing::Test {
 protected:
  void SetUp() override {
    Torvane3DSize size = {640, 480};
    ASSERT_NE(Torvane3D_Init(0, nullptr, &size, 0), 0);
  }
  void TearDown() override { Torvane3D_UnInit(); }

  // Four records whose bytes all differ, so a copy that drops or moves one
  // shows.
  std::vector<float> vertices_ = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                  10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  std::vector<uint16_t> conns_ = {0, 1, 2, 0, 2, 3};
};

TEST_F(Torvane3DTest, GivesBackExactlyWhatItWasGiven) {
  T3DMODEL model = Torvane3D_CreateModel(kFormat, kTriangles, vertices_.data(),
                                         4, conns_.data(), 6);
  ASSERT_NE(model, 0u);
  EXPECT_EQ(T3DModel_GetParam(model, T3DMODEL_PARAM_VERTEX_COUNT), 4);
  EXPECT_EQ(T3DModel_GetParam(model, T3DMODEL_PARAM_CONN_COUNT), 6);
  // The caller's buffers may go as soon as the call returns.
  std::vector<float> sent = vertices_;
  std::fill(vertices_.begin(), vertices_.end(), -1.0f);
  std::fill(conns_.begin(), conns_.end(), 9);

  std::vector<float> vertices(20);
  std::vector<uint16_t> conns(6);
  EXPECT_EQ(T3DModel_GetVts(model, 0, 4, vertices.data()), 4);
  EXPECT_EQ(T3DModel_GetConns(model, 0, 6, conns.data()), 6);
  EXPECT_EQ(std::memcmp(vertices.data(), sent.data(), 80), 0);
  EXPECT_EQ(conns, (std::vector<uint16_t>{0, 1, 2, 0, 2, 3}));
}

TEST_F(Torvane3DTest, HandlesCountUpFromOne) {
  EXPECT_EQ(Torvane3D_CreateModel(kFormat, kTriangles, vertices_.data(), 4,
                                  conns_.data(), 6),
            1u);
  EXPECT_EQ(Torvane3D_CreateModel(kFormat, kTriangles, vertices_.data(), 4,
                                  conns_.data(), 3),
            2u);
  EXPECT_EQ(T3DModel_GetParam(2, T3DMODEL_PARAM_CONN_COUNT), 3);
}

TEST_F(Torvane3DTest, RefusesWhatItCannotHoldSafely) {
  const uint16_t out_of_range[] = {0, 1, 4};
  struct Case {
    const char* name;
    int32_t format, primitive;
    const void* vertices;
    int32_t vertex_count;
    const void* conns;
    int32_t conn_count;
  };
  const Case kCases[] = {
      {"unknown format", 0x20000000, kTriangles, vertices_.data(), 4,
       conns_.data(), 6},
      {"unknown primitive", kFormat, 2, vertices_.data(), 4, conns_.data(), 6},
      {"negative vertex count", kFormat, kTriangles, vertices_.data(), -1,
       conns_.data(), 0},
      {"negative connection count", kFormat, kTriangles, vertices_.data(), 4,
       conns_.data(), -3},
      {"no vertex buffer", kFormat, kTriangles, nullptr, 4, conns_.data(), 6},
      {"no connection buffer", kFormat, kTriangles, vertices_.data(), 4,
       nullptr, 6},
      {"not whole triangles", kFormat, kTriangles, vertices_.data(), 4,
       conns_.data(), 5},
      {"index outside the vertices", kFormat, kTriangles, vertices_.data(), 4,
       out_of_range, 3},
      {"index equal to the count", kFormat, kTriangles, vertices_.data(), 2,
       conns_.data(), 3},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Torvane3D_CreateModel(c.format, c.primitive, c.vertices,
                                    c.vertex_count, c.conns, c.conn_count),
              0u)
        << c.name;
  }
}

TEST_F(Torvane3DTest, AcceptsAnEmptyModelWithoutBuffers) {
  T3DMODEL model = Torvane3D_CreateModel(kFormat, kTriangles, nullptr, 0,
                                         nullptr, 0);
  ASSERT_NE(model, 0u);
  EXPECT_EQ(T3DModel_GetParam(model, T3DMODEL_PARAM_VERTEX_COUNT), 0);
}

TEST_F(Torvane3DTest, ReadBackCopiesAtMostWhatItHolds) {
  T3DMODEL model = Torvane3D_CreateModel(kFormat, kTriangles, vertices_.data(),
                                         4, conns_.data(), 6);
  std::vector<float> vertices(40, -1.0f);
  EXPECT_EQ(T3DModel_GetVts(model, 0, 8, vertices.data()), 4);
  EXPECT_EQ(vertices[20], -1.0f);
  EXPECT_EQ(T3DModel_GetVts(model, 3, 8, vertices.data()), 1);
  EXPECT_EQ(vertices[0], 15.0f);
  EXPECT_EQ(T3DModel_GetVts(model, 4, 1, vertices.data()), 0);
  EXPECT_EQ(T3DModel_GetVts(model, -1, 1, vertices.data()), 0);
  EXPECT_EQ(T3DModel_GetVts(model, 0, 1, nullptr), 0);
  EXPECT_EQ(T3DModel_GetVts(model + 1, 0, 1, vertices.data()), 0);
  EXPECT_EQ(T3DModel_GetParam(model + 1, T3DMODEL_PARAM_VERTEX_COUNT), 0);
  EXPECT_EQ(T3DModel_GetParam(model, 3), 0);
}

TEST(Torvane3DLifecycleTest, StartsOnceAndForgetsEverythingWhenShutDown) {
  EXPECT_EQ(Torvane3D_CreateModel(kFormat, kTriangles, nullptr, 0, nullptr, 0),
            0u);
  ASSERT_NE(Torvane3D_Init(0, nullptr, nullptr, 0), 0);
  EXPECT_EQ(Torvane3D_Init(0, nullptr, nullptr, 0), 0);
  T3DMODEL model =
      Torvane3D_CreateModel(kFormat, kTriangles, nullptr, 0, nullptr, 0);
  EXPECT_EQ(model, 1u);
  EXPECT_NE(Torvane3D_UnInit(), 0);
  EXPECT_EQ(T3DModel_GetParam(model, T3DMODEL_PARAM_VERTEX_COUNT), 0);
  EXPECT_EQ(Torvane3D_UnInit(), 0);
  ASSERT_NE(Torvane3D_Init(0, nullptr, nullptr, 0), 0);
  EXPECT_EQ(Torvane3D_CreateModel(kFormat, kTriangles, nullptr, 0, nullptr, 0),
            1u);
  Torvane3D_UnInit();
}

}  // namespace
