// The reader names what is wrong with a malformed image, never reading past
// the bytes it was given, and reads files no further than their counts reach.
#include "t3m/model_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "tests/scoped_temp_dir.h"

namespace {

// Little-endian words: 32-bit ones for numbers, 16-bit ones for indices.
std::string Words(std::vector<uint32_t> values, int width = 4) {
  std::string out;
  for (uint32_t value : values) {
    for (int i = 0; i < width; ++i) out.push_back(char(value >> 8 * i));
  }
  return out;
}

std::string Header(int32_t version, int32_t vertices, int32_t conns) {
  return "T3M_" +
         Words({uint32_t(version), uint32_t(vertices), uint32_t(conns)});
}

// One vertex at the origin whose v is the given value.
std::string VertexWithV(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  return Words({0, 0, 0, 0, bits});
}

ReadResult Parse(const std::string& bytes) {
  Model model;
  // A block of exactly the image's size, so that the sanitizers catch any
  // read past its end.
  std::vector<unsigned char> copy(bytes.begin(), bytes.end());
  return ParseModel(copy.data(), copy.size(), &model);
}

TEST(ModelReaderTest, RefusesEachKindOfMalformedImage) {
  const std::string kThree = std::string(60, '\0');
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const float kInf = std::numeric_limits<float>::infinity();
  const struct {
    const char* name;
    std::string bytes;
    ReadError error;
  } kCases[] = {
      {"empty file", "", ReadError::kHeaderTruncated},
      {"magic only", "T3M_", ReadError::kHeaderTruncated},
      {"other short file", "PK", ReadError::kBadMagic},
      {"lower-case magic", "t3m_" + Words({1, 0, 0}), ReadError::kBadMagic},
      {"version 0", Header(0, 0, 0), ReadError::kBadVersion},
      {"most negative conn count", Header(1, 0, INT32_MIN),
       ReadError::kNegativeConnCount},
      {"conn count not whole triangles",
       Header(1, 3, 4) + kThree + Words({0, 1, 2, 0}, 2),
       ReadError::kConnCountNotTriangles},
      {"largest vertex count", Header(1, INT32_MAX, 0),
       ReadError::kVerticesTruncated},
      {"NaN texture coordinate", Header(1, 1, 0) + VertexWithV(kNaN),
       ReadError::kNonFiniteValue},
      {"infinite texture coordinate", Header(1, 1, 0) + VertexWithV(-kInf),
       ReadError::kNonFiniteValue},
      {"largest index", Header(1, 3, 3) + kThree + Words({0, 1, 65535}, 2),
       ReadError::kIndexOutOfRange},
      {"no vertices, no triangles", Header(1, 0, 0), ReadError::kNone},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Parse(c.bytes).error, c.error) << c.name;
}

TEST(ModelReaderTest, ReadsFilesNoFurtherThanTheCountsReach) {
  ScopedTempDir dir;
  const std::string valid =
      Header(1, 3, 3) + std::string(60, '\0') + Words({0, 1, 2}, 2);
  Model model;
  EXPECT_TRUE(ReadModelFile(dir.Write("ok.t3m", valid), &model).ok());
  EXPECT_EQ(model.TriangleCount(), 1);
  EXPECT_EQ(ReadModelFile(dir.PathOf("missing.t3m"), &model).error,
            ReadError::kOpenFailed);
  // A directory is refused at the open, as Windows refuses it.
  EXPECT_EQ(ReadModelFile(dir.path(), &model).error, ReadError::kOpenFailed);
  ReadResult trailing = ReadModelFile(
      dir.Write("long.t3m", valid + std::string(100000, 'x')), &model);
  EXPECT_EQ(trailing.error, ReadError::kTrailingBytes);
  EXPECT_EQ(trailing.file_bytes, 83);
}

}  // namespace
