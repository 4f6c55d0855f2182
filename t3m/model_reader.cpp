// The ".t3m" reader: the exact inverse of the model file writer, refusing any
// file that the writer could not have made from a usable model.
#include "t3m/model_reader.h"

#include <cmath>
#include <new>
#include <vector>

#include "base/coding.h"
#include "base/t3m_format.h"
#include "platform/file_read.h"

namespace {

// Every size the header can give fits in memory's addresses.
static_assert(sizeof(size_t) >= sizeof(uint64_t), "64-bit sizes needed");

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

bool AllFinite(const MeshVertex& vertex) {
  return std::isfinite(vertex.x) && std::isfinite(vertex.y) &&
         std::isfinite(vertex.z) && std::isfinite(vertex.u) &&
         std::isfinite(vertex.v);
}

}  // namespace

ReadResult ParseModelHeader(const unsigned char* data, size_t size,
                            uint64_t* expected_bytes) {
  // The magic is judged on what there is of it, so that a short file of
  // another kind is named as such rather than as a cut-off model.
  if (!AgreesWithT3mMagic(data, size)) return Failure(ReadError::kBadMagic);
  if (size < kT3mHeaderBytes) {
    return SizeFailure(ReadError::kHeaderTruncated, size, kT3mHeaderBytes);
  }
  ReadResult result;
  const T3mHeader header = DecodeT3mHeader(data);
  const int32_t version = header.version;
  const int32_t vertex_count = header.vertex_count;
  const int32_t conn_count = header.conn_count;
  if (version != kT3mVersion) {
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
  *expected_bytes = T3mFileBytes(vertex_count, conn_count);
  result.vertex_count = vertex_count;
  return result;
}

ReadResult ParseModel(const unsigned char* data, size_t size, Model* model) {
  uint64_t expected = 0;
  ReadResult result = ParseModelHeader(data, size, &expected);
  if (!result.ok()) return result;
  const size_t vertex_count = static_cast<size_t>(result.vertex_count);
  const uint64_t vertices_end =
      kT3mHeaderBytes + kT3mVertexBytes * vertex_count;
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
  const size_t conn_count = (size - vertices_end) / kT3mConnBytes;
  std::vector<MeshVertex> vertices(vertex_count);
  const unsigned char* in = data + kT3mHeaderBytes;
  for (size_t i = 0; i < vertex_count; ++i, in += kT3mVertexBytes) {
    MeshVertex& vertex = vertices[i];
    // Bit for bit, so that a read file writes back to the same bytes.
    vertex = DecodeT3mVertex(in);
    if (!AllFinite(vertex)) {
      result.error = ReadError::kNonFiniteValue;
      result.position = static_cast<int32_t>(i);
      return result;
    }
  }
  std::vector<MeshConn> conns(conn_count);
  for (size_t i = 0; i < conn_count; ++i, in += kT3mConnBytes) {
    conns[i] = DecodeFixed16(in);
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
    FileHandle file = OpenForReading(path.c_str());
    if (!file.valid()) return Failure(ReadError::kOpenFailed);
    std::vector<unsigned char> bytes;
    if (!ReadUpTo(file, kT3mHeaderBytes, &bytes)) {
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
