// Reading the model back from the library and what it takes to refuse it.
#include "modelfile/model_file_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake_torvane3d.h"
#include "tests/scoped_temp_dir.h"

namespace {

using Calls = std::vector<std::string>;

T3DMODEL MakeModel() {
  ResetFake();
  const float kVertices[15] = {1, 2,  3,  4,  5,  6,  7, 8,
                               9, 10, 11, 12, 13, 14, 15};
  const uint16_t kConns[3] = {0, 1, 0x0102};
  T3DMODEL model =
      Torvane3D_CreateModel(0x10000000, 1, kVertices, 3, kConns, 3);
  Fake().calls.clear();
  return model;
}

TEST(ModelFileWriterTest, ReadsTheModelBackInLibraryOrderAndWritesIt) {
  ScopedTempDir dir;
  T3DMODEL model = MakeModel();
  ASSERT_TRUE(ModelFileWriter().Export(model, dir.PathOf("m.t3m").c_str()));
  EXPECT_EQ(Fake().calls,
            (Calls{"GetParam 1", "GetVts 3", "GetParam 2", "GetConns 3"}));
  std::string file = dir.Read("m.t3m");
  ASSERT_EQ(file.size(), 82u);
  EXPECT_EQ(
      file.substr(16, 60),
      std::string(reinterpret_cast<const char*>(Fake().vertices.data()), 60));
  EXPECT_EQ(file.substr(76), std::string("\0\0\x01\0\x02\x01", 6));
}

TEST(ModelFileWriterTest, ACountThatCannotSizeABufferFailsBeforeReading) {
  struct {
    const char* name;
    int32_t v, c;
    Calls calls;
  } const kCases[] = {
      {"negative vertex count", -1, 3, {"GetParam 1"}},
      {"most negative vertex count", INT32_MIN, 3, {"GetParam 1"}},
      {"vertex block beyond one write", INT32_MAX, 3, {"GetParam 1"}},
      {"negative connection count",
       3,
       -6,
       {"GetParam 1", "GetVts 3", "GetParam 2"}},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    T3DMODEL model = MakeModel();
    Fake().override_params = true;
    Fake().param_vertex_count = c.v;
    Fake().param_conn_count = c.c;
    EXPECT_FALSE(ModelFileWriter().Export(model, dir.PathOf("m.t3m").c_str()))
        << c.name;
    EXPECT_EQ(Fake().calls, c.calls) << c.name;
    EXPECT_TRUE(dir.List().empty()) << c.name;
  }
}

TEST(ModelFileWriterTest, RecordsTheLibraryDoesNotFillAreWrittenAsZeros) {
  ScopedTempDir dir;
  T3DMODEL model = MakeModel();
  Fake().override_params = true;
  Fake().param_vertex_count = 5;  // the model holds 3 records and 3 entries
  Fake().param_conn_count = 6;
  ASSERT_TRUE(ModelFileWriter().Export(model, dir.PathOf("m.t3m").c_str()));
  const std::string file = dir.Read("m.t3m");
  ASSERT_EQ(file.size(), 16u + 5 * 20 + 6 * 2);
  EXPECT_EQ(file.substr(76, 40), std::string(40, '\0'));
  EXPECT_EQ(file.substr(122), std::string(6, '\0'));
}

}  // namespace
