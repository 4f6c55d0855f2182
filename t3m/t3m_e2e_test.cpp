// The built t3m run as a user runs it: on the converter's models, on broken
// files, and with its exports opened by independent readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "t3m/mesh_stats.h"
#include "t3m/model_reader.h"
#include "t3m/t3m_messages.h"
#include "t3m/test_models.h"
#include "tests/console_text.h"
#include "tests/run_program.h"

namespace {

const struct Plot {
  const char* path;
  bool closed;
  bool downwards;  // drawn from the top down
} kPlots[] = {{"examples/vase.txt", false, false},
              {"examples/goblet.txt", true, false},
              {"examples/bowl.txt", true, false},
              {"t3m/testdata/closed_vase.txt", true, false},
              {"t3m/testdata/drawn_down.txt", true, true}};

// The number printed after label in out, or -1 when the label is missing.
double NumberAfter(const std::string& out, const std::string& label) {
  size_t at = out.find(label);
  return at == std::string::npos ? -1
                                 : std::atof(out.c_str() + at + label.size());
}

// The part of a catalogue message before its first field.
std::string Label(const char* message) {
  return std::string(message).substr(0, std::string(message).find('%'));
}

class T3mTest : public testing::Test {
 protected:
  RunResult Run(const std::string& program, std::vector<std::string> args,
                RunOptions options = RunOptions()) {
    options.cwd = dir_.path();
    return RunProgram(program, args, options);
  }
  RunResult T3m(std::vector<std::string> args,
                RunOptions options = RunOptions()) {
    return Run(T3M_BUILT_EXE, args, options);
  }
  // Turns a plot of the source tree into m.t3m; gives turnel's report line.
  std::string Convert(const std::string& plot, int accuracy) {
    std::ifstream in(std::string(T3M_SOURCE_DIR) + "/" + plot);
    std::stringstream text;
    text << in.rdbuf();
    dir_.Write("plot.txt", text.str());
    return Run(TurnelPath(),
               {"/a:" + std::to_string(accuracy), "plot.txt", "m"})
        .out;
  }
  Model Load() {
    Model model;
    EXPECT_TRUE(ReadModelFile(dir_.PathOf("m.t3m"), &model).ok());
    return model;
  }

  ScopedTempDir dir_;
};

TEST_F(T3mTest, InfoMatchesTheConverterAndTheReaderItsBytes) {
  for (const Plot& plot : kPlots) {
    for (int accuracy = 1; accuracy <= 10; ++accuracy) {
      std::string report = Convert(plot.path, accuracy);
      int vt = static_cast<int>(NumberAfter(report, "vt="));
      int cn = static_cast<int>(NumberAfter(report, "cn="));
      RunResult info = T3m({"info", "m.t3m"});
      EXPECT_EQ(info.status, 0);
      EXPECT_NE(info.out.find(Printed(t3m_msg::kInfoVertices, vt) +
                              Printed(t3m_msg::kInfoConns, cn, cn / 3)),
                std::string::npos)
          << plot.path << " /a:" << accuracy;
      EXPECT_EQ(info.out.find(t3m_msg::kInfoClosed) != std::string::npos,
                plot.closed);
      EXPECT_EQ(NumberAfter(info.out, Label(t3m_msg::kInfoVolume)) > 0,
                plot.closed);
      if (plot.closed) {
        EXPECT_NE(info.out.find(plot.downwards ? t3m_msg::kInfoDrawnDownwards
                                               : t3m_msg::kInfoDrawnUpwards),
                  std::string::npos)
            << plot.path;
      }
      EXPECT_EQ(ModelFileBytes(Load()), dir_.Read("m.t3m"))
          << plot.path << " /a:" << accuracy;
    }
  }
}

TEST_F(T3mTest, InfoGivesTheVolumeWhicheverWayTheProfileWasDrawn) {
  for (const char* plot :
       {"t3m/testdata/closed_vase.txt", "t3m/testdata/drawn_down.txt"}) {
    Convert(plot, 4);
    // A decagonal prism of circumradius 50 and height 100.
    EXPECT_NEAR(
        NumberAfter(T3m({"info", "m.t3m"}).out, Label(t3m_msg::kInfoVolume)),
        5 * 2500 * std::sin(std::acos(-1.0) / 5) * 100, 100)
        << plot;
  }
}

TEST_F(T3mTest, EveryCutOfAModelFileGivesItsMessageAndStatusOne) {
  Convert("examples/vase.txt", 1);
  const std::string whole = dir_.Read("m.t3m");
  ASSERT_EQ(whole.size(), 412u);  // 15 vertices, 48 entries
  for (size_t size = 0; size < whole.size(); ++size) {
    dir_.Write("cut.t3m", whole.substr(0, size));
    RunResult result = T3m({"info", "cut.t3m"});
    long long bytes = static_cast<long long>(size);
    EXPECT_EQ(
        result.out,
        size < 16 ? Printed(t3m_msg::kHeaderTruncated, "cut.t3m", bytes)
        : size < 316
            ? Printed(t3m_msg::kVerticesTruncated, "cut.t3m", bytes, 412LL)
            : Printed(t3m_msg::kConnsTruncated, "cut.t3m", bytes, 412LL))
        << size;
    EXPECT_EQ(result.status, 1) << size;
  }
}

TEST_F(T3mTest, LyingOrForeignFilesGiveTheirMessageAndStatusOne) {
  Convert("examples/vase.txt", 1);
  const std::string whole = dir_.Read("m.t3m");
  auto patched = [&](size_t at, const std::string& bytes) {
    return whole.substr(0, at) + bytes + whole.substr(at + bytes.size());
  };
  const struct {
    const char* name;
    std::string bytes;
    std::string message;
  } kCases[] = {
      {"wrong magic", patched(0, "T3D_"),
       Printed(t3m_msg::kBadMagic, "f.t3m", "T3M_")},
      {"version 2", patched(4, "\2"),
       Printed(t3m_msg::kBadVersion, "f.t3m", 2)},
      {"a thousand vertices", patched(8, "\xe8\x03"),
       Printed(t3m_msg::kVerticesTruncated, "f.t3m", 412LL, 20112LL)},
      {"one vertex too many", patched(8, "\x10"),
       Printed(t3m_msg::kConnsTruncated, "f.t3m", 412LL, 432LL)},
      {"negative vertex count", patched(8, "\xff\xff\xff\xff"),
       Printed(t3m_msg::kNegativeVertexCount, "f.t3m", -1)},
      {"one triangle too few", patched(12, "\x2d"),
       Printed(t3m_msg::kTrailingBytes, "f.t3m", 406LL)},
      {"index past the vertices", patched(410, "\x0f"),
       Printed(t3m_msg::kIndexOutOfRange, "f.t3m", 47, 15, 15)},
  };
  for (const auto& c : kCases) {
    dir_.Write("f.t3m", c.bytes);
    RunResult result = T3m({"render", "f.t3m", "f.png"});
    EXPECT_EQ(result.out, c.message) << c.name;
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_FALSE(dir_.Exists("f.png")) << c.name;
  }
}

TEST_F(T3mTest, EveryExportLoadsInAnIndependentReader) {
  for (const Plot& plot : kPlots) {
    Convert(plot.path, 4);
    Model model = Load();
    const int expected =
        model.TriangleCount() - ComputeStats(model).zero_area_triangles;
    for (std::string name : {"m.obj", "m.stl", "m.ply", "m.glb", "m.3mf"}) {
      RunResult result = T3m({"export", "m.t3m", name});
      EXPECT_EQ(result.out,
                Printed(t3m_msg::kExported, "m.t3m", name.c_str(), expected));
      EXPECT_EQ(result.status, 0);
      RunResult assimp = Run("assimp", {"info", name, "-r"});
      EXPECT_EQ(assimp.status, 0) << plot.path << name << "\n" << assimp.out;
      EXPECT_EQ(NumberAfter(assimp.out, "Faces:"), expected)
          << plot.path << name;
    }
  }
}

TEST_F(T3mTest, ClosedStlFilesPassTheMeshChecker) {
  for (const Plot& plot : kPlots) {
    if (!plot.closed) continue;
    Convert(plot.path, 4);
    T3m({"export", "m.t3m", "m.stl"});
    RunResult admesh = Run("admesh", {"m.stl"});
    ASSERT_EQ(admesh.status, 0) << admesh.out;
    // Its first column is the file as read, before any repair.
    for (const char* zero :
         {"Degenerate facets     :", "Total disconnected facets        :",
          "Facets reversed       :", "Normals fixed         :"}) {
      EXPECT_EQ(NumberAfter(admesh.out, zero), 0) << plot.path << zero;
    }
    EXPECT_GT(NumberAfter(admesh.out, "Volume   :"), 0) << plot.path;
  }
}

// The format's reference validator finds neither an error nor a warning in
// any .glb export. It is installed by the test set-up, from npm.
TEST_F(T3mTest, GlbFilesPassTheReferenceValidator) {
  const std::string validate =
      std::string(T3M_SOURCE_DIR) + "/scripts/gltf-validate/validate.js";
  std::vector<std::string> files = {validate};
  for (const Plot& plot : kPlots) {
    for (int accuracy : {1, 4, 10}) {
      Convert(plot.path, accuracy);
      files.push_back(std::to_string(files.size()) + ".glb");
      ASSERT_EQ(T3m({"export", "m.t3m", files.back()}).status, 0);
    }
  }
  RunResult result = Run("node", files);
  EXPECT_EQ(result.status, 0) << result.out;
}

// On a closed cylinder, drawn either way, every normal lies within 2 degrees
// of the true surface's: straight down or up on the lids, straight out on
// the side, with no blend at the rims and no tilt from the triangulation.
TEST_F(T3mTest, GlbNormalsAreTheTrueSurfacesOnACylinder) {
  const struct {
    const char* plot;
    int accuracy;
  } kCases[] = {{"t3m/testdata/closed_vase.txt", 4},
                {"t3m/testdata/closed_vase.txt", 10},
                {"t3m/testdata/drawn_down.txt", 10}};
  const double kRadiansPerDegree = std::acos(-1.0) / 180;
  for (const auto& c : kCases) {
    Convert(c.plot, c.accuracy);
    ASSERT_EQ(T3m({"export", "m.t3m", "m.glb"}).status, 0);
    const GlbMesh mesh = ReadGlb(dir_.Read("m.glb"));
    ASSERT_FALSE(mesh.indices.empty()) << c.plot;
    double worst = 0.0;
    for (size_t i = 0; i < mesh.indices.size(); ++i) {
      const size_t first = i - i % 3;
      const Vec3 a = mesh.positions[mesh.indices[first]];
      const Vec3 face =
          Normalized(Cross(mesh.positions[mesh.indices[first + 1]] - a,
                           mesh.positions[mesh.indices[first + 2]] - a));
      const Vec3 p = mesh.positions[mesh.indices[i]];
      const Vec3 truth = std::fabs(face.y) > 0.5
                             ? Vec3{0, face.y > 0 ? 1.0 : -1.0, 0}
                             : Normalized(Vec3{p.x, 0, p.z});
      const double cosine = Dot(mesh.normals[mesh.indices[i]], truth);
      worst = std::max(worst, std::acos(std::min(1.0, cosine)));
    }
    EXPECT_LT(worst, 2 * kRadiansPerDegree) << c.plot << " /a:" << c.accuracy;
  }
}

TEST_F(T3mTest, RenderWritesTheSamePictureOfTheAskedSizeEveryTime) {
  Convert("examples/goblet.txt", 3);
  const struct {
    std::vector<std::string> args;
    int width, height;
  } kCases[] = {{{"render", "m.t3m", "a.png"}, 800, 600},
                {{"render", "-S:64X48", "m.t3m", "a.png"}, 64, 48},
                {{"render", "m.t3m", "a.png", "/s:5x7"}, 5, 7}};
  for (const auto& c : kCases) {
    EXPECT_EQ(T3m(c.args).out,
              Printed(t3m_msg::kRendered, "m.t3m", "a.png", c.width, c.height));
    std::string first = dir_.Read("a.png");
    T3m(c.args);
    EXPECT_EQ(dir_.Read("a.png"), first);
    // Width and height open the header chunk, big-endian.
    ASSERT_GT(first.size(), 24u);
    EXPECT_EQ(first.substr(16, 8),
              std::string({0, 0, char(c.width >> 8), char(c.width), 0, 0,
                           char(c.height >> 8), char(c.height)}));
  }
}

TEST_F(T3mTest, UnusableCommandLinesFailWithOneMessage) {
  Convert("examples/vase.txt", 2);
  const std::string usage = t3m_msg::kUsage.cp932;
  const struct {
    const char* name;
    std::string out;
    std::vector<std::string> args;
  } kCases[] = {
      {"no arguments", usage, {}},
      {"unknown command", usage, {"show", "m.t3m"}},
      {"info with an option", usage, {"info", "/s:8x8", "m.t3m"}},
      {"export with one file", usage, {"export", "m.t3m"}},
      {"another option", usage, {"render", "/a:3", "m.t3m", "p.png"}},
      {"repeated option", usage, {"render", "/s:8", "-s:9", "m.t3m", "p.png"}},
      {"size without value",
       Printed(t3m_msg::kBadSize),
       {"render", "/s", "m.t3m", "a.png"}},
      {"size too wide",
       Printed(t3m_msg::kBadSize),
       {"render", "/s:2049x9", "m.t3m", "a.png"}},
      {"size with a sign",
       Printed(t3m_msg::kBadSize),
       {"render", "/s:+8x6", "m.t3m", "a.png"}},
      {"size of three numbers",
       Printed(t3m_msg::kBadSize),
       {"render", "/s:8x6x4", "m.t3m", "a.png"}},
      {"picture not png",
       Printed(t3m_msg::kNotPng, "p.jpg"),
       {"render", "m.t3m", "p.jpg"}},
      {"unknown export",
       Printed(t3m_msg::kUnknownFormat, "m.gltf"),
       {"export", "m.t3m", "m.gltf"}},
      {"up axis x",
       Printed(t3m_msg::kBadUpAxis),
       {"export", "/u:x", "m.t3m", "m.stl"}},
      {"up axis without value",
       Printed(t3m_msg::kBadUpAxis),
       {"export", "m.t3m", "m.stl", "-U"}},
      {"up axis of two letters", usage, {"export", "/up:z", "m.t3m", "m.stl"}},
      {"up axis for a picture", usage, {"render", "/u:z", "m.t3m", "p.png"}},
      {"missing model",
       Printed(t3m_msg::kOpenFailed, "none.t3m"),
       {"export", "none.t3m", "m.obj"}},
      {"unwritable place",
       Printed(t3m_msg::kWriteFailed, "no/m.stl"),
       {"export", "m.t3m", "no/m.stl"}},
  };
  for (const auto& c : kCases) {
    RunResult result = T3m(c.args);
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.status, 1) << c.name;
  }
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"m.t3m", "plot.txt"}));
  EXPECT_EQ(T3m({"/h"}).status, 0);
}

TEST_F(T3mTest, OutputThatCannotBeWrittenFailsWithStatusOne) {
  Convert("examples/vase.txt", 2);
  const struct {
    const char* name;
    std::vector<std::string> args;
    Output output;
    long file_size_limit;
    std::string out;
  } kCases[] = {
      {"standard output on a full disk",
       {"info", "m.t3m"},
       Output::kFile,
       -1,
       ""},
      {"standard output a pipe whose reader has gone",
       {"info", "m.t3m"},
       Output::kClosedPipe,
       -1,
       ""},
      {"an export past the file-size limit",
       {"export", "m.t3m", "m.stl"},
       Output::kPipe,
       100,
       Printed(t3m_msg::kWriteFailed, "m.stl")},
  };
  for (const auto& c : kCases) {
    RunOptions options;
    options.output = c.output;
    options.output_file = "/dev/full";
    options.file_size_limit = c.file_size_limit;
    RunResult result = T3m(c.args, options);
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_EQ(dir_.List(), (std::vector<std::string>{"m.t3m", "plot.txt"}))
        << c.name;
  }
}

TEST_F(T3mTest, TheReadmePicturesAreWhatRenderDraws) {
  for (const char* name : {"vase", "goblet", "bowl"}) {
    Convert(std::string("examples/") + name + ".txt", 10);
    T3m({"render", "m.t3m", "m.png"});
    std::ifstream in(std::string(T3M_SOURCE_DIR) + "/docs/pictures/" + name +
                     ".png");
    std::stringstream picture;
    picture << in.rdbuf();
    EXPECT_EQ(dir_.Read("m.png"), picture.str()) << name;
  }
}

}  // namespace
