// Turns the profile into a model inside the 3D library.
#ifndef TURNEL_MESH_MODEL_BUILDER_H_
#define TURNEL_MESH_MODEL_BUILDER_H_

#include <cstdint>

#include "lib3d/torvane3d.h"
#include "mesh/mesh_source.h"
#include "plot/plot_list.h"

// A scratch copy of the profile, released with the holder.
struct PointBuffer {
  PointBuffer() = default;
  PointBuffer(const PointBuffer&) = delete;
  PointBuffer& operator=(const PointBuffer&) = delete;
  ~PointBuffer() { delete[] points; }

  // Room for n points: the array, or nullptr with the holder unchanged.
  PlotPoint* Allocate(int32_t n);

  PlotPoint* points = nullptr;
  int32_t count = 0;
};

// The vertex and connection buffers handed to the library, released with the
// holder (connections first, then vertices).
struct MeshBuffers {
  MeshBuffers() = default;
  MeshBuffers(const MeshBuffers&) = delete;
  MeshBuffers& operator=(const MeshBuffers&) = delete;
  ~MeshBuffers() { Release(); }

  // Sizes, obtains and fills both buffers from the source: 1, or 0 with
  // nothing held and nothing filled.
  int Make(const MeshSource& source);
  void Release();

  MeshVertex* vertices = nullptr;
  MeshConn* conns = nullptr;
};

class ModelBuilder {
 public:
  // 1 with the model created; or 0 after one message. An empty profile or
  // one of more than kMaxPlotRows points is refused before the library is
  // called; the accuracy comes checked from the command line.
  int Create(const PlotList& points, int32_t accuracy);
  // The library's handle; valid only after Create gave 1.
  T3DMODEL GetModel() const { return model_; }

 private:
  T3DMODEL model_ = 0;
};

#endif  // TURNEL_MESH_MODEL_BUILDER_H_
