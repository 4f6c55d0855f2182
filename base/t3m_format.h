// The ".t3m" model file's layout, owned here alone: a 16-byte header (magic,
// version, vertex count, connection count), then the vertex records, then the
// connection entries, every number little-endian and nothing padded.
#ifndef TURNEL_BASE_T3M_FORMAT_H_
#define TURNEL_BASE_T3M_FORMAT_H_

#include <cstddef>
#include <cstdint>

// One vertex record: position, then texture coordinate. The converter hands
// these to the 3D library, reads them back and stores them in the file as
// they are.
struct MeshVertex {
  float x;
  float y;
  float z;
  float u;
  float v;
};
static_assert(sizeof(MeshVertex) == 20, "a vertex record is 20 bytes");

// One connection entry: an index into the vertex records, three a triangle.
using MeshConn = uint16_t;

extern const char kT3mMagic[4];
constexpr int32_t kT3mVersion = 1;
constexpr size_t kT3mHeaderBytes = 16;
constexpr size_t kT3mVertexBytes = sizeof(MeshVertex);
constexpr size_t kT3mConnBytes = sizeof(MeshConn);

struct T3mHeader {
  char magic[4];
  int32_t version;
  int32_t vertex_count;
  int32_t conn_count;
};

// The header of a file of this format with the given counts.
T3mHeader MakeT3mHeader(int32_t vertex_count, int32_t conn_count);

// The header's kT3mHeaderBytes bytes, as the file holds them.
void EncodeT3mHeader(const T3mHeader& header, unsigned char* out);
T3mHeader DecodeT3mHeader(const unsigned char* in);

// True when the size bytes at data, up to the magic's length, agree with the
// magic: a file cut inside its magic still looks like one of this format.
bool AgreesWithT3mMagic(const unsigned char* data, size_t size);

// The whole file's size for counts that are not negative: no overflow, even
// for the largest counts.
uint64_t T3mFileBytes(int32_t vertex_count, int32_t conn_count);

void EncodeT3mVertex(const MeshVertex& vertex, unsigned char* out);
MeshVertex DecodeT3mVertex(const unsigned char* in);

#endif  // TURNEL_BASE_T3M_FORMAT_H_
