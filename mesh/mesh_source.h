// The contract between a mesh generator and the owner of the buffers it fills.
#ifndef TURNEL_MESH_MESH_SOURCE_H_
#define TURNEL_MESH_MESH_SOURCE_H_

#include <cstdint>

// The vertex record and the connection entry, which the 3D library and the
// model file take as they are.
#include "base/t3m_format.h"

// Says how large the buffers must be and fills them; the caller owns both
// buffers and must size them exactly by the two counts.
class MeshSource {
 public:
  virtual ~MeshSource() = default;
  virtual int32_t GetVertexCount() const = 0;
  virtual int32_t GetConnCount() const = 0;
  // Writes x, y and z of every record.
  virtual void FillPositions(MeshVertex* vertices) const = 0;
  // Writes every entry, three per triangle.
  virtual void FillConns(MeshConn* conns) const = 0;
  // Writes u and v of every record.
  virtual void FillTexCoords(MeshVertex* vertices) const = 0;
};

#endif  // TURNEL_MESH_MESH_SOURCE_H_
