// The model file's header and records as bytes, and back.
#include "base/t3m_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

TEST(T3mFormatTest, HeaderIsMagicVersionAndCountsLittleEndian) {
  unsigned char bytes[kT3mHeaderBytes];
  EncodeT3mHeader(MakeT3mHeader(10, 24), bytes);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), sizeof bytes),
            std::string("\x54\x33\x4D\x5F\x01\0\0\0\x0A\0\0\0\x18\0\0\0", 16));
  std::memset(bytes + 8, 0xFF, 4);  // a vertex count of -1
  const T3mHeader header = DecodeT3mHeader(bytes);
  EXPECT_EQ(std::memcmp(header.magic, "T3M_", 4), 0);
  EXPECT_EQ(header.version, 1);
  EXPECT_EQ(header.vertex_count, -1);
  EXPECT_EQ(header.conn_count, 24);
  EXPECT_EQ(T3mFileBytes(10, 24), 264u);
  EXPECT_EQ(T3mFileBytes(INT32_MAX, INT32_MAX), 16 + 22 * uint64_t{INT32_MAX});
}

TEST(T3mFormatTest, OnlyTheMagicsOwnBytesAreJudged) {
  const struct {
    const char* name;
    std::string bytes;
    bool agrees;
  } kCases[] = {
      {"nothing yet", "", true},
      {"cut inside the magic", "T3", true},
      {"magic and more", "T3M_\x02", true},
      {"lower case", "t3m_", false},
      {"another kind of file", "PK", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AgreesWithT3mMagic(
                  reinterpret_cast<const unsigned char*>(c.bytes.data()),
                  c.bytes.size()),
              c.agrees)
        << c.name;
  }
}

TEST(T3mFormatTest, AVertexRecordKeepsEveryBit) {
  const MeshVertex vertex = {-0.0f, 1.5f, -2500.0f, std::nanf("7"), 1e-45f};
  unsigned char bytes[kT3mVertexBytes];
  EncodeT3mVertex(vertex, bytes);
  EXPECT_EQ(bytes[3], 0x80);  // -0 keeps its sign, low byte first
  const MeshVertex back = DecodeT3mVertex(bytes);
  EXPECT_EQ(std::memcmp(&back, &vertex, sizeof vertex), 0);
}

}  // namespace
