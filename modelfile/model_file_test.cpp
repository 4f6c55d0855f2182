// The model file's bytes, and what a failure at any step leaves on disk.
#include "modelfile/model_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/faulty_file_api.h"
#include "tests/scoped_temp_dir.h"

namespace {

using Names = std::vector<std::string>;

std::string Pattern(size_t bytes, int seed) {
  std::string data(bytes, '\0');
  for (size_t i = 0; i < bytes; ++i) data[i] = static_cast<char>(i * 7 + seed);
  return data;
}

// Writes an image of v distinct records and c distinct entries.
int32_t WriteModel(const std::string& path, int32_t v, int32_t c,
                   const FileApi& api = RealFileApi()) {
  std::string vertices = Pattern(v * kT3mVertexBytes, 1);
  std::string conns = Pattern(c * kT3mConnBytes, 2);
  ModelFile* image = CreateModelFile(vertices.data(), v, conns.data(), c);
  int32_t status = WriteModelFile(path.c_str(), *image, api);
  FreeModelFile(image);
  return status;
}

struct FormatCase {
  const char* name;
  int32_t v, c;
  size_t size;
  std::string head;  // the first 16 bytes
};

TEST(ModelFileTest, IsHeaderCountsThenBothBlocksUnchanged) {
  const FormatCase kCases[] = {
      {"empty model", 0, 0, 16,
       std::string("T3M_\x01\0\0\0\0\0\0\0\0\0\0\0", 16)},
      {"odd connection count, no padding", 3, 3, 82,
       std::string("T3M_\x01\0\0\0\x03\0\0\0\x03\0\0\0", 16)},
      {"ten records, 24 entries", 10, 24, 264,
       std::string("\x54\x33\x4D\x5F\x01\0\0\0\x0A\0\0\0\x18\0\0\0", 16)},
  };
  for (const FormatCase& c : kCases) {
    ScopedTempDir dir;
    ASSERT_EQ(WriteModel(dir.PathOf("m.t3m"), c.v, c.c), kModelFileWritten);
    EXPECT_EQ(dir.Read("m.t3m"), c.head + Pattern(c.v * kT3mVertexBytes, 1) +
                                     Pattern(c.c * kT3mConnBytes, 2))
        << c.name;
    EXPECT_EQ(dir.Read("m.t3m").size(), c.size) << c.name;
    EXPECT_EQ(dir.List(), Names{"m.t3m"}) << c.name;
  }
}

// The model's three writes: the header, then each block.
constexpr int kHeaderWrite = kFailFirstWrite;
constexpr int kVertexWrite = kFailFirstWrite + 1;
constexpr int kConnWrite = kFailFirstWrite + 2;

TEST(ModelFileTest, AFailureLeavesTheEarlierFileAndNoTemporaryFile) {
  const struct {
    const char* name;
    int step;
    bool cut_short;
    int32_t status;
  } kCases[] = {
      {"create fails", kFailCreate, false, kModelFileCannotCreate},
      {"header write fails", kHeaderWrite, false, kModelFileWriteFailed},
      {"vertex block write fails", kVertexWrite, false, kModelFileWriteFailed},
      {"connection block write fails", kConnWrite, false,
       kModelFileWriteFailed},
      {"header write short", kHeaderWrite, true, kModelFileWriteFailed},
      {"vertex block write short", kVertexWrite, true, kModelFileWriteFailed},
      {"connection block write short", kConnWrite, true, kModelFileWriteFailed},
      {"close fails", kFailClose, false, kModelFileWriteFailed},
      {"move fails", kFailMove, false, kModelFileCannotCreate},
  };
  for (const auto& c : kCases) {
    for (bool earlier : {true, false}) {
      ScopedTempDir dir;
      if (earlier) dir.Write("m.t3m", "earlier\r\n\x1A bytes");
      Faults() = FileFaults();
      Faults().step = c.step;
      Faults().cut_short = c.cut_short;
      EXPECT_EQ(WriteModel(dir.PathOf("m.t3m"), 10, 24, FaultyFileApi()),
                c.status)
          << c.name;
      EXPECT_EQ(dir.List(), earlier ? Names{"m.t3m"} : Names{}) << c.name;
      if (earlier) {
        EXPECT_EQ(dir.Read("m.t3m"), "earlier\r\n\x1A bytes") << c.name;
      }
    }
  }
}

TEST(ModelFileTest, AnAdoptedImageOwnsItsBlocksOnlyWhenTheCountsFit) {
  const struct {
    const char* name;
    int32_t v, c;
    bool adopted;
  } kCases[] = {
      {"both counts fit", 2, 3, true},
      {"negative vertex count", -1, 3, false},
      {"negative connection count", 2, -3, false},
      {"vertex block beyond one write", INT32_MAX, 3, false},
  };
  for (const auto& c : kCases) {
    // Freed here only when not adopted: a leak or a double release shows
    // under the sanitizers.
    unsigned char* vertices = new unsigned char[2 * kT3mVertexBytes]();
    unsigned char* conns = new unsigned char[3 * kT3mConnBytes]();
    ModelFile* image = AdoptModelFile(vertices, c.v, conns, c.c);
    EXPECT_EQ(image != nullptr, c.adopted) << c.name;
    if (image == nullptr) {
      delete[] vertices;
      delete[] conns;
      continue;
    }
    EXPECT_EQ(std::string(image->magic, 4), "T3M_") << c.name;
    EXPECT_EQ(image->version, 1) << c.name;
    EXPECT_EQ(image->vertex_count, c.v) << c.name;
    EXPECT_EQ(image->conn_count, c.c) << c.name;
    EXPECT_EQ(image->vertices, vertices) << c.name;
    EXPECT_EQ(image->conns, conns) << c.name;
    FreeModelFile(image);
  }
}

TEST(ModelFileTest, ReservedPathsCreateNothing) {
  for (const char* path : {"\\\\server\\share\\m.t3m", "//server/m.t3m",
                           "CONIN$", "CONOUT$", "CONOUT$m.t3m"}) {
    Faults() = FileFaults();
    EXPECT_EQ(WriteModel(path, 1, 3, FaultyFileApi()), kModelFileReservedPath)
        << path;
    EXPECT_EQ(Faults().creates, 0) << path;
  }
}

}  // namespace
