// Turns the profile into a model inside the 3D library.
#include "mesh/model_builder.h"

#include <new>

#include "base/limits.h"
#include "base/messages.h"
#include "mesh/revolved_mesh.h"
#include "platform/memory.h"

PlotPoint* PointBuffer::Allocate(int32_t n) {
  if (n < 0) return nullptr;
  PlotPoint* array = new (std::nothrow) PlotPoint[n];
  if (array == nullptr) return nullptr;
  delete[] points;
  points = array;
  count = n;
  return array;
}

int MeshBuffers::Make(const MeshSource& source) {
  Release();
  // A negative count is refused like memory that could not be had.
  const int32_t vertex_count = source.GetVertexCount();
  if (vertex_count >= 0) {
    vertices = new (std::nothrow) MeshVertex[vertex_count];
  }
  const int32_t conn_count = source.GetConnCount();
  if (vertices != nullptr && conn_count >= 0) {
    conns = new (std::nothrow) MeshConn[conn_count];
  }
  if (conns == nullptr) {
    Release();
    return 0;
  }
  // Both buffers are filled whole at once: taking their pages in one call is
  // cheaper than a page fault for each, which at the finest accuracy costs
  // more than computing the mesh.
  PrepareForWriting(vertices,
                    sizeof(MeshVertex) * static_cast<size_t>(vertex_count));
  PrepareForWriting(conns, sizeof(MeshConn) * static_cast<size_t>(conn_count));
  source.FillPositions(vertices);
  source.FillConns(conns);
  source.FillTexCoords(vertices);
  return 1;
}

void MeshBuffers::Release() {
  delete[] conns;
  conns = nullptr;
  delete[] vertices;
  vertices = nullptr;
}

int ModelBuilder::Create(const PlotList& points, int32_t accuracy) {
  const int32_t n = points.Count();
  // Refused before anything is sized: no points would make a negative
  // connection count, and the mesh keeps at most kMaxPlotRows of them.
  if (n < 1 || n > kMaxPlotRows) {
    PrintMessage(msg::kModelCreateFailed);
    return 0;
  }
  // Declared in the reverse of their release order: the mesh goes first, then
  // the mesh buffers, then the point copy.
  PointBuffer point_buffer;
  MeshBuffers buffers;
  if (point_buffer.Allocate(n) == nullptr) {
    PrintMessage(msg::kOutOfMemory);
    return 0;
  }
  points.CopyTo(point_buffer.points);
  const RevolvedMesh mesh(accuracy, point_buffer.points, point_buffer.count);
  if (!buffers.Make(mesh)) {
    PrintMessage(msg::kOutOfMemory);
    return 0;
  }
  // The library keeps its own copy, so the buffers go as soon as this
  // function returns, whatever the library answered.
  model_ = Torvane3D_CreateModel(
      TORVANE3D_FORMAT_XYZ_UV, TORVANE3D_PRIMITIVE_TRIANGLES, buffers.vertices,
      mesh.GetVertexCount(), buffers.conns, mesh.GetConnCount());
  if (model_ == 0) {
    PrintMessage(msg::kModelCreateFailed);
    return 0;
  }
  return 1;
}
