// What each export writes: the format chosen, the triangles turned over, and
// the details each format's readers depend on.
#include "t3m/exporters.h"

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "t3m/geometry.h"
#include "t3m/test_models.h"

namespace {

float FloatAt(const std::string& bytes, size_t offset) {
  float value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

Vec3 PointAt(const std::string& bytes, size_t offset) {
  return {FloatAt(bytes, offset), FloatAt(bytes, offset + 4),
          FloatAt(bytes, offset + 8)};
}

TEST(ExportersTest, TheExtensionChoosesTheFormat) {
  const struct {
    const char* path;
    ExportFormat format;
  } kCases[] = {
      {"a.obj", ExportFormat::kObj},
      {"out/A.STL", ExportFormat::kStl},
      {"m.Ply", ExportFormat::kPly},
      {"./m.glb", ExportFormat::kGlb},
      {"m.gltf", ExportFormat::kUnknown},
      {"m.obj.txt", ExportFormat::kUnknown},
      {".obj", ExportFormat::kUnknown},
      {"dir/.stl", ExportFormat::kUnknown},
      {"x.obj/m", ExportFormat::kUnknown},
      {"m", ExportFormat::kUnknown},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FormatForPath(c.path), c.format) << c.path;
  }
}

TEST(ExportersTest, StlHasOutwardFacetsWithAreaAndNoNegativeZero) {
  int32_t facets = 0;
  std::string stl = ExportStl(AxisPyramid(-0.0f), &facets);
  ASSERT_EQ(facets, 6);  // the four collapsed triangles left out
  ASSERT_EQ(stl.size(), 84u + 50 * 6);
  EXPECT_NE(stl.compare(0, 5, "solid"), 0);  // that would mark the text form
  EXPECT_EQ(stl.substr(80, 4), std::string("\x06\0\0\0", 4));
  for (size_t at = 84; at < stl.size(); at += 50) {
    for (size_t k = at; k < at + 48; k += 4) {
      EXPECT_FALSE(FloatAt(stl, k) == 0.0f && std::signbit(FloatAt(stl, k)));
    }
    Vec3 centre = (PointAt(stl, at + 12) + PointAt(stl, at + 24) +
                   PointAt(stl, at + 36)) *
                  (1.0 / 3);
    EXPECT_NEAR(Length(PointAt(stl, at)), 1.0, 1e-6);
    // Pointing away from a point inside the pyramid.
    EXPECT_GT(Dot(PointAt(stl, at), centre - Vec3{0, 0.25, 0}), 0.0) << at;
  }
}

TEST(ExportersTest, ObjAndPlyTurnFacesOverAndKeepEveryValue) {
  Model model = MakeModel(TetraPositions(), TetraFaces());
  model.vertices[1] = {0.1f, -0.0f, 1e-7f, 0.3f, 0.7f};
  std::string obj = ExportObj(model);
  EXPECT_NE(obj.find("\nf 1/1 3/3 2/2\n"), std::string::npos);
  float x, y, z, u, v;
  ASSERT_EQ(
      std::sscanf(obj.c_str() + obj.find("v 0.1"), "v %f %f %f", &x, &y, &z),
      3);
  ASSERT_EQ(std::sscanf(obj.c_str() + obj.find("vt 0.3"), "vt %f %f", &u, &v),
            2);
  EXPECT_TRUE(x == 0.1f && std::signbit(y) && z == 1e-7f && u == 0.3f &&
              v == 0.7f);

  std::string ply = ExportPly(model);
  size_t body = ply.find("end_header\n") + 11;
  EXPECT_NE(ply.find("element vertex 4\nproperty float x\n"),
            std::string::npos);
  EXPECT_NE(ply.find("element face 4\n"), std::string::npos);
  ASSERT_EQ(ply.size() - body, 4u * 20 + 4 * 13);
  EXPECT_EQ(FloatAt(ply, body + 20 + 16), 0.7f);
  EXPECT_EQ(ply.substr(body + 80, 13),
            std::string("\x03\0\0\0\0\x02\0\0\0\x01\0\0\0", 13));
}

TEST(ExportersTest, GlbCarriesSmoothNormalsAndFlippedTextureRows) {
  Model model = AxisPyramid(-0.0f);
  model.vertices[0].v = 0.25f;
  std::string glb;
  ASSERT_TRUE(ExportGlb(model, &glb));
  tinygltf::Model gltf;
  std::string error, warning;
  ASSERT_TRUE(tinygltf::TinyGLTF().LoadBinaryFromMemory(
      &gltf, &error, &warning,
      reinterpret_cast<const unsigned char*>(glb.data()),
      static_cast<unsigned int>(glb.size())))
      << error;
  const tinygltf::Primitive& primitive = gltf.meshes[0].primitives[0];
  EXPECT_EQ(gltf.accessors[primitive.indices].count, model.conns.size());
  auto value = [&](const char* name, size_t vertex, size_t k) {
    const tinygltf::Accessor& a = gltf.accessors[primitive.attributes.at(name)];
    const size_t width = a.type == TINYGLTF_TYPE_VEC2 ? 2 : 3;
    const tinygltf::BufferView& view = gltf.bufferViews[a.bufferView];
    std::string data(gltf.buffers[0].data.begin(), gltf.buffers[0].data.end());
    return FloatAt(data, view.byteOffset + 4 * (width * vertex + k));
  };
  EXPECT_EQ(value("TEXCOORD_0", 0, 1), 0.75f);
  // The seam's two records, and the apex's five, share one normal each.
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(value("NORMAL", 0, k), value("NORMAL", 4, k));
    EXPECT_EQ(value("NORMAL", 5, k), value("NORMAL", 6, k));
  }
  EXPECT_FLOAT_EQ(value("NORMAL", 5, 1), 1.0f);
  EXPECT_FALSE(ExportGlb(Model(), &glb));
}

}  // namespace
