// STUB: to be replaced by model creation.
#ifndef TURNEL_MESH_MODEL_BUILDER_H_
#define TURNEL_MESH_MODEL_BUILDER_H_
#include <cstdint>
#include "lib3d/torvane3d.h"
#include "plot/plot_list.h"
class ModelBuilder {
 public:
  int Create(const PlotList& points, int32_t accuracy);
  T3DMODEL GetModel() const { return model_; }
 private:
  T3DMODEL model_ = 0;
};
#endif
