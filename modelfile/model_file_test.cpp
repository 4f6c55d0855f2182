// The model file's bytes, and what a failure at any step leaves on disk.
#include "modelfile/model_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  std::string vertices = Pattern(v * kVertexRecordBytes, 1);
  std::string conns = Pattern(c * kConnEntryBytes, 2);
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
    EXPECT_EQ(dir.Read("m.t3m"), c.head + Pattern(c.v * kVertexRecordBytes, 1) +
                                     Pattern(c.c * kConnEntryBytes, 2))
        << c.name;
    EXPECT_EQ(dir.Read("m.t3m").size(), c.size) << c.name;
    EXPECT_EQ(dir.List(), Names{"m.t3m"}) << c.name;
  }
}

// A file layer over the real one that fails at one step where a test says.
enum Step { kCreate, kWrite1, kWrite5 = kWrite1 + 4, kClose, kMove, kNone };
struct Faults {
  int step = kNone;
  bool cut_short = false;  // the failing write writes one byte less instead
  int taken_names = 0;     // creations refused as "exists" before one works
  int creates = 0;
  int writes = 0;
  DWORD error = 0;
} faults;

const FileApi kFaultyApi = {
    [](LPCSTR path, DWORD disposition) {
      faults.error = faults.step == kCreate ? ERROR_ACCESS_DENIED : 0;
      if (faults.taken_names-- > 0) faults.error = ERROR_FILE_EXISTS;
      ++faults.creates;
      if (faults.error != 0) return INVALID_HANDLE_VALUE;
      return RealFileApi().create_file(path, disposition);
    },
    [] { return faults.error != 0 ? faults.error : GetLastError(); },
    [](HANDLE file, const void* data, DWORD size, DWORD* written) {
      if (++faults.writes == faults.step) {
        if (!faults.cut_short) return BOOL{FALSE};
        --size;
      }
      return RealFileApi().write_file(file, data, size, written);
    },
    [](HANDLE file) -> BOOL {
      return RealFileApi().close_handle(file) && faults.step != kClose;
    },
    [](LPCSTR from, LPCSTR to, DWORD flags) -> BOOL {
      return faults.step != kMove && RealFileApi().move_file(from, to, flags);
    },
    RealFileApi().delete_file,
};

TEST(ModelFileTest, AFailureLeavesTheEarlierFileAndNoTemporaryFile) {
  const struct {
    const char* name;
    int step;
    bool cut_short;
    int32_t status;
  } kCases[] = {
      {"create fails", kCreate, false, kModelFileCannotCreate},
      {"header write fails", kWrite1, false, kModelFileWriteFailed},
      {"vertex count write fails", kWrite1 + 1, false, kModelFileWriteFailed},
      {"connection count write fails", kWrite1 + 2, false,
       kModelFileWriteFailed},
      {"vertex block write fails", kWrite1 + 3, false, kModelFileWriteFailed},
      {"connection block write fails", kWrite5, false, kModelFileWriteFailed},
      {"header write short", kWrite1, true, kModelFileWriteFailed},
      {"vertex count write short", kWrite1 + 1, true, kModelFileWriteFailed},
      {"connection count write short", kWrite1 + 2, true,
       kModelFileWriteFailed},
      {"vertex block write short", kWrite1 + 3, true, kModelFileWriteFailed},
      {"connection block write short", kWrite5, true, kModelFileWriteFailed},
      {"close fails", kClose, false, kModelFileWriteFailed},
      {"move fails", kMove, false, kModelFileCannotCreate},
  };
  for (const auto& c : kCases) {
    for (bool earlier : {true, false}) {
      ScopedTempDir dir;
      if (earlier) dir.Write("m.t3m", "earlier\r\n\x1A bytes");
      faults = Faults();
      faults.step = c.step;
      faults.cut_short = c.cut_short;
      EXPECT_EQ(WriteModel(dir.PathOf("m.t3m"), 10, 24, kFaultyApi), c.status)
          << c.name;
      EXPECT_EQ(dir.List(), earlier ? Names{"m.t3m"} : Names{}) << c.name;
      if (earlier) {
        EXPECT_EQ(dir.Read("m.t3m"), "earlier\r\n\x1A bytes") << c.name;
      }
    }
  }
}

TEST(ModelFileTest, OnlyATakenTemporaryNameIsTriedAgain) {
  const struct {
    const char* name;
    int taken_names;
    const char* directory;
    int32_t status;
    int creates;
  } kCases[] = {
      {"three names taken", 3, "", kModelFileWritten, 4},
      {"every name taken", 1000, "", kModelFileCannotCreate, 16},
      {"missing directory", 0, "missing/", kModelFileCannotCreate, 1},
  };
  for (const auto& c : kCases) {
    ScopedTempDir dir;
    faults = Faults();
    faults.taken_names = c.taken_names;
    EXPECT_EQ(WriteModel(dir.PathOf(c.directory) + "m.t3m", 0, 0, kFaultyApi),
              c.status)
        << c.name;
    EXPECT_EQ(faults.creates, c.creates) << c.name;
    EXPECT_EQ(dir.List(), c.status == 0 ? Names{"m.t3m"} : Names{}) << c.name;
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
    unsigned char* vertices = new unsigned char[2 * kVertexRecordBytes]();
    unsigned char* conns = new unsigned char[3 * kConnEntryBytes]();
    ModelFile* image = AdoptModelFile(vertices, c.v, conns, c.c);
    EXPECT_EQ(image != nullptr, c.adopted) << c.name;
    if (image == nullptr) {
      delete[] vertices;
      delete[] conns;
      continue;
    }
    EXPECT_EQ(std::string(image->magic, 4), "T3M_") << c.name;
    EXPECT_EQ(image->version, kModelFileVersion) << c.name;
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
    faults = Faults();
    EXPECT_EQ(WriteModel(path, 1, 3, kFaultyApi), kModelFileReservedPath)
        << path;
    EXPECT_EQ(faults.creates, 0) << path;
  }
}

}  // namespace
