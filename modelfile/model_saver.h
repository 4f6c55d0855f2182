// STUB: to be replaced by the save step.
#ifndef TURNEL_MODELFILE_MODEL_SAVER_H_
#define TURNEL_MODELFILE_MODEL_SAVER_H_
#include <cstdint>
#include <string>
#include "lib3d/torvane3d.h"
class ModelSaver {
 public:
  int Save(const std::string& plot_path, int32_t accuracy, T3DMODEL model,
           const char* model_name);
};
#endif
