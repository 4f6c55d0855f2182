// The save step: the output path made from the model name, the model file
// written, and the one report line of a successful conversion.
#include "modelfile/model_saver.h"

#include <cassert>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "base/messages.h"
#include "modelfile/model_file_writer.h"
#include "winapi.h"

namespace {

constexpr char kExtension[] = ".t3m";
constexpr int kPieceCapacity = 128;

// The name's extension, dot included, or "" when its last component has
// none. A drive prefix such as "C:" is no part of the search, and a separator
// or dot is a character of its own, never the second byte of a double-byte
// one.
const char* ExtensionOf(const char* name) {
  if (name[0] != '\0' && name[1] == ':') name += 2;
  const char* dot = nullptr;
  const char* end = name;
  for (; *end != '\0'; end = CharNextA(end)) {
    if (*end == '.') dot = end;
    if (*end == '\\' || *end == '/') dot = nullptr;
  }
  return dot != nullptr ? dot : end;
}

// The path's file title, or an empty title where the system gives none.
void GetTitle(const char* path, char* title) {
  std::memset(title, 0, kTitleCapacity);
  short result = GetFileTitleA(path, title, kTitleCapacity);
  if (result != 0) std::memset(title, 0, kTitleCapacity);
}

}  // namespace

void AppendBounded(char* buffer, int capacity, const char* text) {
  int room = capacity - lstrlenA(buffer) - 1;
  if (room <= 0) return;
  lstrcpynA(buffer + lstrlenA(buffer), text, room + 1);
}

int ModelSaver::Save(const std::string& plot_path, int32_t accuracy,
                     T3DMODEL model, const char* model_name) {
  std::unique_ptr<ModelFileWriter> writer(new (std::nothrow) ModelFileWriter());
  if (!writer) {
    PrintMessage(msg::kSaveOutOfMemory);
    return 0;
  }
  char output_path[kOutputPathCapacity];
  if (!MakeOutputPath(model_name, output_path, kOutputPathCapacity) ||
      !writer->Export(model, output_path)) {
    PrintMessage(msg::kSaveFailed);
    return 0;
  }
  PrintReport(plot_path.c_str(), accuracy, model, output_path);
  return 1;
}

int ModelSaver::MakeOutputPath(const char* model_name, char* output,
                               int capacity) {
  assert(capacity > 0);
  output[0] = '\0';
  bool has_extension = lstrcmpA(ExtensionOf(model_name), kExtension) == 0;
  int needed = lstrlenA(model_name) +
               (has_extension ? 0 : static_cast<int>(sizeof kExtension) - 1);
  // A cut path would name a file the user never asked for.
  if (needed >= capacity) return 0;
  lstrcpynA(output, model_name, capacity);
  if (!has_extension) AppendBounded(output, capacity, kExtension);
  return 1;
}

void ModelSaver::PrintReport(const char* plot_path, int32_t accuracy,
                             T3DMODEL model, const char* output_path) {
  char plot_title[kTitleCapacity];
  char output_title[kTitleCapacity];
  GetTitle(plot_path, plot_title);
  GetTitle(output_path, output_title);
  int32_t vertex_count = T3DModel_GetParam(model, T3DMODEL_PARAM_VERTEX_COUNT);
  int32_t conn_count = T3DModel_GetParam(model, T3DMODEL_PARAM_CONN_COUNT);

  char line[kReportCapacity];
  char piece[kPieceCapacity];
  lstrcpynA(line, plot_title, kReportCapacity);
  std::snprintf(piece, sizeof piece, "(acc=%d) -> ",
                static_cast<int>(accuracy));
  AppendBounded(line, kReportCapacity, piece);
  AppendBounded(line, kReportCapacity, output_title);
  std::snprintf(piece, sizeof piece, " (vt=%d, cn=%d)\n",
                static_cast<int>(vertex_count), static_cast<int>(conn_count));
  AppendBounded(line, kReportCapacity, piece);
  // Titles may hold "%": the line is text, not a format.
  PrintText(line);
}
