// The application object and the run sequence of one conversion: each stage
// prints its own message and the first failure ends the run.
#include "app/converter_app.h"

#include <exception>

#include "app/argument_checks.h"
#include "base/limits.h"
#include "base/messages.h"
#include "mesh/model_builder.h"
#include "modelfile/model_saver.h"
#include "plot/plot_parser.h"
#include "plot/text_table.h"

int ConverterApp::Load(char** argv, int32_t argc) {
  PositionalList list;
  OptionMap map;
  if (!ParseArgs(argv, argc, &list, &map)) return 0;
  return ApplyArgs(list, map);
}

int ConverterApp::ParseArgs(char** argv, int32_t argc, PositionalList* list,
                            OptionMap* map) {
  CommandLine command_line(argv, argc);
  if (!command_line.GetPositionals(list) || !command_line.GetOptions(map) ||
      list->size() != 2 || map->size() > 1) {
    PrintMessage(msg::kUsage);
    return 0;
  }
  return 1;
}

int ConverterApp::ApplyArgs(const PositionalList& list, const OptionMap& map) {
  accuracy_ = kDefaultAccuracy;
  auto option = map.find('a');
  if (option != map.end()) {
    std::string value = option->second;
    if (!AccuracyChecker().Check(value.c_str(), &accuracy_)) return 0;
  }
  if (!PathChecker().CheckAndStore(list[0], &plot_path_)) return 0;
  if (!OpenPlot(plot_path_.c_str(), &points_)) return 0;
  if (!PathChecker().CheckAndStore(list[1], &model_name_)) return 0;
  return 1;
}

int ConverterApp::OpenPlot(const char* path, PlotList* points) {
  TextTable table;
  RowList rows;
  // One row past the plot's limit is enough to refuse it; a plot of tens of
  // thousands of long rows would otherwise be held whole in memory.
  if (!table.ReadAll(path, rows, kMaxPlotRows + 1)) {
    PrintMessage(msg::kPlotOpenFailed);
    return 0;
  }
  return PlotParser().Parse(rows, *points);
}

void RunConversion(int32_t argc, char** argv) {
  try {
    ConverterApp app;
    if (!app.Load(argv, argc)) return;
    ModelBuilder builder;
    if (!builder.Create(app.GetPoints(), app.GetAccuracy())) return;
    std::string plot_path = app.GetPlotPath();
    ModelSaver().Save(plot_path, app.GetAccuracy(), builder.GetModel(),
                      app.GetModelName());
  } catch (const std::exception&) {
    // Only the lists and strings of the command line and the plot reader can
    // run out this way; every buffer a stage obtains itself is tested.
    PrintMessage(msg::kOutOfMemory);
  }
}
