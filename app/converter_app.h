// The application object of one run: it carries the checked arguments and the
// profile from one stage of the conversion to the next.
#ifndef TURNEL_APP_CONVERTER_APP_H_
#define TURNEL_APP_CONVERTER_APP_H_

#include <cstdint>
#include <string>

#include "cmdline/command_line.h"
#include "plot/plot_list.h"

class ConverterApp {
 public:
  // 1 when the command line was valid and the plot was read and parsed.
  int Load(char** argv, int32_t argc);
  int ParseArgs(char** argv, int32_t argc, PositionalList* list,
                OptionMap* map);
  int ApplyArgs(const PositionalList& list, const OptionMap& map);
  int OpenPlot(const char* path, PlotList* points);

  const PlotList& GetPoints() const { return points_; }
  int32_t GetAccuracy() const { return accuracy_; }
  std::string GetPlotPath() const { return plot_path_; }
  const char* GetModelName() const { return model_name_.c_str(); }

 private:
  int32_t accuracy_ = 0;
  std::string plot_path_;
  PlotList points_;
  std::string model_name_;
};

// Runs one conversion: load, build the model, save it.
void RunConversion(int32_t argc, char** argv);

#endif  // TURNEL_APP_CONVERTER_APP_H_
