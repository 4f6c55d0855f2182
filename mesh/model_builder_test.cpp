// What the library receives for a profile, and how a refused model ends.
#include "mesh/model_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/messages.h"
#include "mesh/revolved_mesh.h"
#include "tests/console_text.h"
#include "tests/fake_torvane3d.h"

namespace {

std::vector<PlotPoint> Profile(int n) {
  std::vector<PlotPoint> points;
  for (int k = 0; k < n; ++k) points.push_back({-10.0 - k % 3, 5.0 * k});
  return points;
}

// Creates a model from the profile; gives Create's result and what it printed.
std::pair<int, std::string> Create(ModelBuilder& builder, int n, int accuracy) {
  PlotList list;
  for (const PlotPoint& point : Profile(n)) list.Append(point);
  int result = 0;
  std::string out = StdoutOf([&] { result = builder.Create(list, accuracy); });
  return {result, out};
}

TEST(ModelBuilderTest, HandsTheWholeMeshToTheLibrary) {
  // points, accuracy, vertex count, connection count
  const int kCases[][4] = {
      {3, 4, 33, 120}, {2, 1, 10, 24}, {1, 3, 9, 0}, {200, 10, 4600, 26268}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c[0]);
    ResetFake();
    ModelBuilder builder;
    EXPECT_EQ(Create(builder, c[0], c[1]), std::make_pair(1, std::string()));
    EXPECT_EQ(builder.GetModel(), 1u);
    EXPECT_EQ(Fake().format, 0x10000000);
    EXPECT_EQ(Fake().primitive, 1);
    ASSERT_EQ(Fake().vertex_count, c[2]);
    ASSERT_EQ(Fake().conn_count, c[3]);
    MeshBuffers mesh;
    ASSERT_TRUE(mesh.Make(RevolvedMesh(c[1], Profile(c[0]).data(), c[0])));
    EXPECT_EQ(std::memcmp(Fake().vertices.data(), mesh.vertices, c[2] * 20), 0);
    EXPECT_EQ(Fake().conns,
              std::vector<MeshConn>(mesh.conns, mesh.conns + c[3]));
  }
}

struct RefusalCase {
  const char* name;
  int points, accuracy;
  bool library_refuses;
};

TEST(ModelBuilderTest, RefusalsPrintTheCreateFailureAndGiveZero) {
  const RefusalCase kCases[] = {
      {"library refuses the model", 3, 3, true},
      {"empty profile", 0, 3, false},
      {"201 points", 201, 3, false},
  };
  for (const RefusalCase& c : kCases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    ModelBuilder builder;  // holding a model shows whether the handle moves
    Create(builder, 1, 3);
    Fake().refuse_create = c.library_refuses;
    EXPECT_EQ(Create(builder, c.points, c.accuracy),
              std::make_pair(0, std::string(msg::kModelCreateFailed)));
    // Only a model that reached the library can clear the handle.
    EXPECT_EQ(Fake().create_calls, c.library_refuses ? 2 : 1);
    EXPECT_EQ(builder.GetModel(), c.library_refuses ? 0u : 1u);
  }
}

}  // namespace
