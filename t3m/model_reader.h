// The ".t3m" reader: the exact inverse of the model file writer, refusing any
// file that the writer could not have made from a usable model.
#ifndef TURNEL_T3M_MODEL_READER_H_
#define TURNEL_T3M_MODEL_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "t3m/model.h"

enum class ReadError {
  kNone,
  kOpenFailed,
  kReadFailed,
  kOutOfMemory,
  kBadMagic,
  kHeaderTruncated,
  kBadVersion,
  kNegativeVertexCount,
  kNegativeConnCount,
  kConnCountNotTriangles,
  kVerticesTruncated,
  kConnsTruncated,
  kTrailingBytes,
  kNonFiniteValue,
  kIndexOutOfRange,
};

// What went wrong, with the numbers its message names.
struct ReadResult {
  ReadError error = ReadError::kNone;
  int64_t file_bytes = 0;      // bytes present (at most expected + 1)
  int64_t expected_bytes = 0;  // 16 + 20 V + 2 C
  int32_t value = 0;           // the version or count at fault
  int32_t position = 0;        // the vertex or connection entry at fault
  int32_t index = 0;           // the vertex index that entry holds
  int32_t vertex_count = 0;

  bool ok() const { return error == ReadError::kNone; }
};

// Checks the header at the start of data (size bytes, possibly fewer than a
// header) and gives the size the whole file must have in expected_bytes.
ReadResult ParseModelHeader(const unsigned char* data, size_t size,
                            uint64_t* expected_bytes);

// Decodes a whole file image; the model is filled only when the result is ok.
ReadResult ParseModel(const unsigned char* data, size_t size, Model* model);

// Reads and decodes the file at path. Reads no more than the header's counts
// call for, and one byte beyond to notice trailing data, so a lying header
// costs no memory that the file does not fill.
ReadResult ReadModelFile(const std::string& path, Model* model);

#endif  // TURNEL_T3M_MODEL_READER_H_
