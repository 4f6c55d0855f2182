// The surface that a profile sweeps out in one turn around the Y axis.
#ifndef TURNEL_MESH_REVOLVED_MESH_H_
#define TURNEL_MESH_REVOLVED_MESH_H_

#include <cstdint>

#include "base/limits.h"
#include "mesh/mesh_source.h"
#include "plot/plot_list.h"

// Each profile point becomes a ring of GetSegmentCount() + 1 vertices, the
// last of which (the seam) repeats the first; consecutive rings are joined by
// a band of two triangles per segment.
class RevolvedMesh : public MeshSource {
 public:
  // Copies the n points; the accuracy comes checked, kMinAccuracy to
  // kMaxAccuracy, and n is at most kMaxPlotRows.
  RevolvedMesh(int32_t mesh_accuracy, const PlotPoint* profile, int32_t n);

  int32_t GetSegmentCount() const { return 2 * accuracy + 2; }
  // Where column j of ring i lies in the vertex list.
  int32_t VertexIndex(int32_t j, int32_t i) const {
    return i * (GetSegmentCount() + 1) + j;
  }

  int32_t GetVertexCount() const override;
  int32_t GetConnCount() const override;
  void FillPositions(MeshVertex* vertices) const override;
  void FillConns(MeshConn* conns) const override;
  void FillTexCoords(MeshVertex* vertices) const override;

 private:
  int32_t accuracy;
  PlotPoint points[kMaxPlotRows];
  int32_t count;
};

#endif  // TURNEL_MESH_REVOLVED_MESH_H_
