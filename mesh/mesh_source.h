// The contract between a mesh generator and the owner of the buffers it fills.
#ifndef TURNEL_MESH_MESH_SOURCE_H_
#define TURNEL_MESH_MESH_SOURCE_H_

#include <cstdint>

// One vertex as the 3D library takes it: position, then texture coordinate.
struct MeshVertex {
  float x;
  float y;
  float z;
  float u;
  float v;
};
// The library and the model file read these records as packed 20-byte rows.
static_assert(sizeof(MeshVertex) == 20, "MeshVertex must be 20 bytes");

// One entry of the triangle list: an index into the vertex list.
using MeshConn = uint16_t;

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
