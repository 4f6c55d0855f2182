// The ".t3m" model file's layout, owned here alone.
#include "base/t3m_format.h"

#include <cstring>

#include "base/coding.h"

const char kT3mMagic[4] = {'T', '3', 'M', '_'};

T3mHeader MakeT3mHeader(int32_t vertex_count, int32_t conn_count) {
  T3mHeader header;
  std::memcpy(header.magic, kT3mMagic, sizeof header.magic);
  header.version = kT3mVersion;
  header.vertex_count = vertex_count;
  header.conn_count = conn_count;
  return header;
}

void EncodeT3mHeader(const T3mHeader& header, unsigned char* out) {
  std::memcpy(out, header.magic, sizeof header.magic);
  EncodeFixed32(out + 4, static_cast<uint32_t>(header.version));
  EncodeFixed32(out + 8, static_cast<uint32_t>(header.vertex_count));
  EncodeFixed32(out + 12, static_cast<uint32_t>(header.conn_count));
}

T3mHeader DecodeT3mHeader(const unsigned char* in) {
  T3mHeader header;
  std::memcpy(header.magic, in, sizeof header.magic);
  header.version = static_cast<int32_t>(DecodeFixed32(in + 4));
  header.vertex_count = static_cast<int32_t>(DecodeFixed32(in + 8));
  header.conn_count = static_cast<int32_t>(DecodeFixed32(in + 12));
  return header;
}

bool AgreesWithT3mMagic(const unsigned char* data, size_t size) {
  const size_t compared = size < sizeof kT3mMagic ? size : sizeof kT3mMagic;
  return compared == 0 || std::memcmp(data, kT3mMagic, compared) == 0;
}

uint64_t T3mFileBytes(int32_t vertex_count, int32_t conn_count) {
  // At most 16 + 22 * (2^31 - 1).
  return kT3mHeaderBytes +
         kT3mVertexBytes * static_cast<uint64_t>(vertex_count) +
         kT3mConnBytes * static_cast<uint64_t>(conn_count);
}

void EncodeT3mVertex(const MeshVertex& vertex, unsigned char* out) {
  const float values[] = {vertex.x, vertex.y, vertex.z, vertex.u, vertex.v};
  for (float value : values) {
    EncodeFloat(out, value);
    out += 4;
  }
}

MeshVertex DecodeT3mVertex(const unsigned char* in) {
  return {DecodeFloat(in), DecodeFloat(in + 4), DecodeFloat(in + 8),
          DecodeFloat(in + 12), DecodeFloat(in + 16)};
}
