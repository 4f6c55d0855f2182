// Reads a model back from the 3D library and writes it as a ".t3m" file.
#ifndef TURNEL_MODELFILE_MODEL_FILE_WRITER_H_
#define TURNEL_MODELFILE_MODEL_FILE_WRITER_H_

#include "lib3d/torvane3d.h"

class ModelFileWriter {
 public:
  // True when the whole file was written to path. The library's counts are
  // used as it gives them, but a count that cannot size a buffer fails.
  bool Export(T3DMODEL model, const char* path);
};

#endif  // TURNEL_MODELFILE_MODEL_FILE_WRITER_H_
