// The save step: the output path made from the model name, the model file
// written, and the one report line of a successful conversion.
#ifndef TURNEL_MODELFILE_MODEL_SAVER_H_
#define TURNEL_MODELFILE_MODEL_SAVER_H_

#include <cstdint>
#include <string>

#include "lib3d/torvane3d.h"

constexpr int kOutputPathCapacity = 260;
constexpr int kTitleCapacity = 512;
constexpr int kReportCapacity = 512;

// Appends text to the zero-terminated string in buffer, cutting it so that
// the string stays within capacity bytes, terminator included.
void AppendBounded(char* buffer, int capacity, const char* text);

class ModelSaver {
 public:
  // 1 when the model file was written and the report printed; else 0 and
  // one message.
  int Save(const std::string& plot_path, int32_t accuracy, T3DMODEL model,
           const char* model_name);

  // 1 and the model name with ".t3m" appended unless it already ends so; 0
  // and an empty output when that path would not fit whole in capacity.
  int MakeOutputPath(const char* model_name, char* output, int capacity);

  // Prints "<plot title>(acc=N) -> <output title> (vt=V, cn=C)\n", cut to
  // kReportCapacity - 1 bytes.
  void PrintReport(const char* plot_path, int32_t accuracy, T3DMODEL model,
                   const char* output_path);
};

#endif  // TURNEL_MODELFILE_MODEL_SAVER_H_
