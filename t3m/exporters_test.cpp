// What each export writes: the format and up axis chosen, the surface read
// back as a closed outward solid, and the details each format's readers
// depend on.
#include "t3m/exporters.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "t3m/geometry.h"
#include "t3m/mesh_stats.h"
#include "t3m/test_models.h"

namespace {

float FloatAt(const std::string& bytes, size_t offset) {
  float value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

uint32_t IndexAt(const std::string& bytes, size_t offset) {
  uint32_t value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

Vec3 PointAt(const std::string& bytes, size_t offset) {
  return {FloatAt(bytes, offset), FloatAt(bytes, offset + 4),
          FloatAt(bytes, offset + 8)};
}

// A model made of positions and faces wound counter-clockwise from outside,
// as each format's own reader would take them.
struct ReadBack {
  Positions positions;
  Faces faces;
  void Add(const Vec3& p) {
    positions.push_back({static_cast<float>(p.x), static_cast<float>(p.y),
                         static_cast<float>(p.z)});
  }
};

// The vertex and face lines of OBJ or of 3MF's XML, by their own patterns.
ReadBack FromLines(const std::string& text, const char* vertex,
                   const char* face, int face_base) {
  ReadBack back;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    float x, y, z;
    unsigned a, b, c;
    if (std::sscanf(line.c_str(), vertex, &x, &y, &z) == 3) {
      back.positions.push_back({x, y, z});
    } else if (std::sscanf(line.c_str(), face, &a, &b, &c) == 3) {
      back.faces.push_back({uint16_t(a - face_base), uint16_t(b - face_base),
                            uint16_t(c - face_base)});
    }
  }
  return back;
}

std::string UnzipModel(const std::string& bytes) {
  zip_source_t* source =
      zip_source_buffer_create(bytes.data(), bytes.size(), 0, nullptr);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, nullptr);
  if (archive == nullptr) return "";
  zip_stat_t stat;
  std::string xml;
  zip_file_t* file = zip_fopen(archive, "3D/3dmodel.model", 0);
  if (file != nullptr && zip_stat(archive, "3D/3dmodel.model", 0, &stat) == 0) {
    xml.resize(stat.size);
    zip_fread(file, &xml[0], xml.size());
    zip_fclose(file);
  }
  zip_close(archive);
  return xml;
}

ReadBack FromGlb(const std::string& glb) {
  const GlbMesh mesh = ReadGlb(glb);
  ReadBack back;
  for (const Vec3& p : mesh.positions) back.Add(p);
  for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
    back.faces.push_back({uint16_t(mesh.indices[i]),
                          uint16_t(mesh.indices[i + 1]),
                          uint16_t(mesh.indices[i + 2])});
  }
  return back;
}

ReadBack Export(ExportFormat format, const Model& model, UpAxis up) {
  const ExportSurface surface = PrepareSurface(model);
  ReadBack back;
  std::string bytes;
  switch (format) {
    case ExportFormat::kObj:
      return FromLines(ExportObj(model, surface, up), "v %f %f %f",
                       "f %u/%*u %u/%*u %u/%*u", 1);
    case ExportFormat::kStl:
      bytes = ExportStl(model, surface, up);
      for (size_t at = 84; at + 50 <= bytes.size(); at += 50) {
        for (size_t k = 1; k <= 3; ++k) back.Add(PointAt(bytes, at + 12 * k));
        uint16_t n = uint16_t(back.positions.size());
        back.faces.push_back(
            {uint16_t(n - 3), uint16_t(n - 2), uint16_t(n - 1)});
      }
      return back;
    case ExportFormat::kPly: {
      bytes = ExportPly(model, surface, up);
      size_t at = bytes.find("end_header\n") + 11;
      for (size_t i = 0; i < model.vertices.size(); ++i, at += 20) {
        back.Add(PointAt(bytes, at));
      }
      for (; at + 13 <= bytes.size(); at += 13) {
        back.faces.push_back({uint16_t(IndexAt(bytes, at + 1)),
                              uint16_t(IndexAt(bytes, at + 5)),
                              uint16_t(IndexAt(bytes, at + 9))});
      }
      return back;
    }
    case ExportFormat::kGlb:
      EXPECT_TRUE(ExportGlb(model, surface, up, &bytes));
      return FromGlb(bytes);
    case ExportFormat::k3mf:
      EXPECT_TRUE(Export3mf(model, surface, up, &bytes));
      return FromLines(UnzipModel(bytes),
                       " <vertex x=\"%f\" y=\"%f\" z=\"%f\"/>",
                       " <triangle v1=\"%u\" v2=\"%u\" v3=\"%u\"/>", 0);
    case ExportFormat::kUnknown:
      break;
  }
  return back;
}

// The pyramid drawn from the top down: its faces wound inwards.
Model DrawnDownwards() {
  Model model = AxisPyramid(-0.0f);
  for (size_t k = 0; k < model.conns.size(); k += 3) {
    std::swap(model.conns[k + 1], model.conns[k + 2]);
  }
  return model;
}

TEST(ExportersTest, TheExtensionChoosesTheFormatAndItsUpAxis) {
  const struct {
    const char* path;
    ExportFormat format;
    UpAxis up;
  } kCases[] = {
      {"a.obj", ExportFormat::kObj, UpAxis::kY},
      {"out/A.STL", ExportFormat::kStl, UpAxis::kZ},
      {"m.Ply", ExportFormat::kPly, UpAxis::kZ},
      {"./m.glb", ExportFormat::kGlb, UpAxis::kY},
      {"m.3MF", ExportFormat::k3mf, UpAxis::kZ},
      {"m.gltf", ExportFormat::kUnknown, UpAxis::kZ},
      {"m.obj.txt", ExportFormat::kUnknown, UpAxis::kZ},
      {".obj", ExportFormat::kUnknown, UpAxis::kZ},
      {"dir/.stl", ExportFormat::kUnknown, UpAxis::kZ},
      {"x.obj/m", ExportFormat::kUnknown, UpAxis::kZ},
      {"m", ExportFormat::kUnknown, UpAxis::kZ},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FormatForPath(c.path), c.format) << c.path;
    if (c.format != ExportFormat::kUnknown) {
      EXPECT_EQ(DefaultUpAxis(c.format), c.up) << c.path;
    }
  }
}

// Read back by the format's own rules and welded, every export of a solid
// drawn from the top down is closed, faces outwards and stands upright along
// the axis asked for.
TEST(ExportersTest, EveryExportReadsBackAsAnOutwardSolidAlongItsUpAxis) {
  const struct {
    const char* name;
    ExportFormat format;
    UpAxis up;
    size_t positions;  // 0 where each file record is written
  } kCases[] = {
      {"obj", ExportFormat::kObj, UpAxis::kY, 5},
      {"obj z-up", ExportFormat::kObj, UpAxis::kZ, 5},
      {"stl", ExportFormat::kStl, UpAxis::kZ, 0},
      {"stl y-up", ExportFormat::kStl, UpAxis::kY, 0},
      {"ply", ExportFormat::kPly, UpAxis::kZ, 10},
      {"glb", ExportFormat::kGlb, UpAxis::kY, 0},
      {"glb z-up", ExportFormat::kGlb, UpAxis::kZ, 0},
      {"3mf", ExportFormat::k3mf, UpAxis::kZ, 5},
      {"3mf y-up", ExportFormat::k3mf, UpAxis::kY, 5},
  };
  for (const auto& c : kCases) {
    ReadBack back = Export(c.format, DrawnDownwards(), c.up);
    if (c.positions > 0) {
      EXPECT_EQ(back.positions.size(), c.positions) << c.name;
    }
    EXPECT_EQ(back.faces.size(), 6u) << c.name;  // the collapsed four left out
    MeshStats stats = ComputeStats(MakeModel(back.positions, back.faces));
    EXPECT_TRUE(stats.closed) << c.name;
    EXPECT_NEAR(stats.volume, 4.0 / 3, 1e-6) << c.name;
    // The pyramid stands 1 high on a 2 by 2 base.
    const Vec3 height = c.up == UpAxis::kY ? Vec3{0, 1, 0} : Vec3{0, 0, 1};
    EXPECT_EQ(Dot(stats.min, height), 0.0) << c.name;
    EXPECT_EQ(Dot(stats.max, height), 1.0) << c.name;
    EXPECT_EQ(Length(stats.max - stats.min), std::sqrt(9.0)) << c.name;
  }
}

TEST(ExportersTest, AnOpenModelKeepsTheWayItWasDrawn) {
  Faces open = TetraFaces();
  open.pop_back();
  for (const Faces& faces : {open, Faces{{0, 1, 2}}}) {
    const Model model = MakeModel(TetraPositions(), faces);
    const ExportSurface surface = PrepareSurface(model);
    EXPECT_FALSE(surface.turned);
    EXPECT_EQ(surface.faces, faces);
  }
}

TEST(ExportersTest, StlHasUnitNormalsAndNoNegativeZero) {
  const Model model = AxisPyramid(-0.0f);
  std::string stl = ExportStl(model, PrepareSurface(model), UpAxis::kZ);
  ASSERT_EQ(stl.size(), 84u + 50 * 6);
  EXPECT_NE(stl.compare(0, 5, "solid"), 0);  // that would mark the text form
  for (size_t at = 84; at < stl.size(); at += 50) {
    for (size_t k = at; k < at + 48; k += 4) {
      EXPECT_FALSE(FloatAt(stl, k) == 0.0f && std::signbit(FloatAt(stl, k)));
    }
    Vec3 centre = (PointAt(stl, at + 12) + PointAt(stl, at + 24) +
                   PointAt(stl, at + 36)) *
                  (1.0 / 3);
    EXPECT_NEAR(Length(PointAt(stl, at)), 1.0, 1e-6);
    // Pointing away from a point inside the pyramid.
    EXPECT_GT(Dot(PointAt(stl, at), centre - Vec3{0, 0, 0.25}), 0.0) << at;
  }
}

TEST(ExportersTest, TextureCoordinatesKeepEveryRecordsOwnValue) {
  Model model = AxisPyramid(0.0f);
  model.vertices[4].u = 1.0f;  // the seam: u = 1 where it started at 0
  model.vertices[0].v = 0.25f;
  const ExportSurface surface = PrepareSurface(model);
  // OBJ: the seam shares its position but keeps its own texture coordinate.
  std::string obj = ExportObj(model, surface, UpAxis::kY);
  EXPECT_NE(obj.find("\nvt 1 0\n"), std::string::npos);
  EXPECT_NE(obj.find("\nf 4/4 1/5 5/10\n"), std::string::npos) << obj;
  // PLY names them s and t, which the common importers read.
  std::string ply = ExportPly(model, surface, UpAxis::kZ);
  EXPECT_NE(ply.find("property float s\nproperty float t\n"),
            std::string::npos);
  EXPECT_EQ(FloatAt(ply, ply.find("end_header\n") + 11 + 16), 0.25f);
  // glTF counts v from the top of the image.
  std::string glb;
  ASSERT_TRUE(ExportGlb(model, surface, UpAxis::kY, &glb));
  bool found = false;
  for (const auto& uv : ReadGlb(glb).uvs) found |= uv[1] == 0.75f;
  EXPECT_TRUE(found);
}

}  // namespace
