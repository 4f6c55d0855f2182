// The ".t3m" reader: the exact inverse of the model file writer, refusing any
// file that the writer could not have made from a usable model.
#include "t3m/model_reader.h"

#include <fcntl.h>

#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "t3m/file_io.h"

namespace {

constexpr char kMagic[4] = {'T', '3', 'M', '_'};
constexpr int32_t kVersion = 1;
constexpr size_t kVertexBytes = 20;
constexpr size_t kConnBytes = 2;
// Every size the header can give fits in memory's addresses.
static_assert(sizeof(size_t) >= sizeof(uint64_t), "64-bit sizes needed");

uint32_t GetLittleEndian32(const unsigned char* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
         static_cast<uint32_t>(in[2]) << 16 |
         static_cast<uint32_t>(in[3]) << 24;
}

int32_t GetInt32(const unsigned char* in) {
  return static_cast<int32_t>(GetLittleEndian32(in));
}

// Bit for bit, so that a read file writes back to the same bytes.
float GetFloat(const unsigned char* in) {
  uint32_t bits = GetLittleEndian32(in);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

ReadResult Failure(ReadError error) {
  ReadResult result;
  result.error = error;
  return result;
}

ReadResult SizeFailure(ReadError error, size_t size, uint64_t expected) {
  ReadResult result = Failure(error);
  result.file_bytes = static_cast<int64_t>(size);
  result.expected_bytes = static_cast<int64_t>(expected);
  return result;
}

bool AllFinite(const ModelVertex& vertex) {
  return std::isfinite(vertex.x) && std::isfinite(vertex.y) &&
         std::isfinite(vertex.z) && std::isfinite(vertex.u) &&
         std::isfinite(vertex.v);
}

}  // namespace

ReadResult ParseModelHeader(const unsigned char* data, size_t size,
                            uint64_t* expected_bytes) {
  // The magic is judged on what there is of it, so that a short file of
  // another kind is named as such rather than as a cut-off model.
  size_t magic_bytes = size < sizeof kMagic ? size : sizeof kMagic;
  if (magic_bytes > 0 && std::memcmp(data, kMagic, magic_bytes) != 0) {
    return Failure(ReadError::kBadMagic);
  }
  if (size < kModelHeaderBytes) {
    return SizeFailure(ReadError::kHeaderTruncated, size, kModelHeaderBytes);
  }
  ReadResult result;
  int32_t version = GetInt32(data + 4);
  int32_t vertex_count = GetInt32(data + 8);
  int32_t conn_count = GetInt32(data + 12);
  if (version != kVersion) {
    result.error = ReadError::kBadVersion;
    result.value = version;
  } else if (vertex_count < 0) {
    result.error = ReadError::kNegativeVertexCount;
    result.value = vertex_count;
  } else if (conn_count < 0) {
    result.error = ReadError::kNegativeConnCount;
    result.value = conn_count;
  } else if (conn_count % 3 != 0) {
    result.error = ReadError::kConnCountNotTriangles;
    result.value = conn_count;
  }
  if (!result.ok()) return result;
  // At most 16 + 22 * (2^31 - 1): no overflow in 64 bits.
  *expected_bytes = kModelHeaderBytes +
                    kVertexBytes * static_cast<uint64_t>(vertex_count) +
                    kConnBytes * static_cast<uint64_t>(conn_count);
  result.vertex_count = vertex_count;
  return result;
}

ReadResult ParseModel(const unsigned char* data, size_t size, Model* model) {
  uint64_t expected = 0;
  ReadResult result = ParseModelHeader(data, size, &expected);
  if (!result.ok()) return result;
  const size_t vertex_count = static_cast<size_t>(result.vertex_count);
  const uint64_t vertices_end = kModelHeaderBytes + kVertexBytes * vertex_count;
  if (size < vertices_end) {
    return SizeFailure(ReadError::kVerticesTruncated, size, expected);
  }
  if (size < expected) {
    return SizeFailure(ReadError::kConnsTruncated, size, expected);
  }
  if (size > expected) {
    return SizeFailure(ReadError::kTrailingBytes, size, expected);
  }
  // From here the counts are backed by bytes that are present.
  const size_t conn_count = (size - vertices_end) / kConnBytes;
  std::vector<ModelVertex> vertices(vertex_count);
  const unsigned char* in = data + kModelHeaderBytes;
  for (size_t i = 0; i < vertex_count; ++i, in += kVertexBytes) {
    ModelVertex& vertex = vertices[i];
    vertex = {GetFloat(in), GetFloat(in + 4), GetFloat(in + 8),
              GetFloat(in + 12), GetFloat(in + 16)};
    if (!AllFinite(vertex)) {
      result.error = ReadError::kNonFiniteValue;
      result.position = static_cast<int32_t>(i);
      return result;
    }
  }
  std::vector<uint16_t> conns(conn_count);
  for (size_t i = 0; i < conn_count; ++i, in += kConnBytes) {
    conns[i] = static_cast<uint16_t>(in[0] | in[1] << 8);
    if (conns[i] >= vertex_count) {
      result.error = ReadError::kIndexOutOfRange;
      result.position = static_cast<int32_t>(i);
      result.index = conns[i];
      return result;
    }
  }
  model->vertices.swap(vertices);
  model->conns.swap(conns);
  return result;
}

ReadResult ReadModelFile(const std::string& path, Model* model) {
  try {
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) return Failure(ReadError::kOpenFailed);
    std::vector<unsigned char> bytes;
    if (!ReadUpTo(file, kModelHeaderBytes, &bytes)) {
      return Failure(ReadError::kReadFailed);
    }
    uint64_t expected = 0;
    ReadResult header = ParseModelHeader(bytes.data(), bytes.size(), &expected);
    if (!header.ok()) return header;
    // One byte more than the counts call for shows trailing data.
    if (!ReadUpTo(file, static_cast<size_t>(expected + 1), &bytes)) {
      return Failure(ReadError::kReadFailed);
    }
    return ParseModel(bytes.data(), bytes.size(), model);
  } catch (const std::bad_alloc&) {
    return Failure(ReadError::kOutOfMemory);
  }
}
