// The t3m command line: which command runs, on which files, and its exit
// status.
#include "t3m/t3m_app.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <new>
#include <string>

#include "base/messages.h"
#include "base/t3m_format.h"
#include "cmdline/command_line.h"
#include "platform/file_replace.h"
#include "t3m/exporters.h"
#include "t3m/mesh_stats.h"
#include "t3m/model_reader.h"
#include "t3m/png_writer.h"
#include "t3m/renderer.h"
#include "t3m/t3m_messages.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Plain digits only, at most four of them, so that no value can overflow.
bool ParseSide(const std::string& text, int* side) {
  if (text.empty() || text.size() > 4) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > kMaxImageSide) return false;
  *side = value;
  return true;
}

// Reads "WxH" (or "WXH"): two whole numbers of plain digits, each 1 to
// kMaxImageSide. False leaves width and height as they were.
bool ParseImageSize(const std::string& text, int* width, int* height) {
  size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  int w = 0;
  int h = 0;
  if (!ParseSide(text.substr(0, x), &w) || !ParseSide(text.substr(x + 1), &h)) {
    return false;
  }
  *width = w;
  *height = h;
  return true;
}

void PrintReadError(const std::string& path, const ReadResult& result) {
  const char* p = path.c_str();
  const long long file_bytes = result.file_bytes;
  const long long expected = result.expected_bytes;
  switch (result.error) {
    case ReadError::kNone:
      break;
    case ReadError::kOpenFailed:
      PrintMessage(t3m_msg::kOpenFailed, p);
      break;
    case ReadError::kReadFailed:
      PrintMessage(t3m_msg::kReadFailed, p);
      break;
    case ReadError::kOutOfMemory:
      PrintMessage(msg::kOutOfMemory);
      break;
    case ReadError::kBadMagic:
      // The magic, which the message names, is the format's own.
      PrintMessage(t3m_msg::kBadMagic, p, kT3mMagic);
      break;
    case ReadError::kHeaderTruncated:
      PrintMessage(t3m_msg::kHeaderTruncated, p, file_bytes);
      break;
    case ReadError::kBadVersion:
      PrintMessage(t3m_msg::kBadVersion, p, result.value);
      break;
    case ReadError::kNegativeVertexCount:
      PrintMessage(t3m_msg::kNegativeVertexCount, p, result.value);
      break;
    case ReadError::kNegativeConnCount:
      PrintMessage(t3m_msg::kNegativeConnCount, p, result.value);
      break;
    case ReadError::kConnCountNotTriangles:
      PrintMessage(t3m_msg::kConnCountNotTriangles, p, result.value);
      break;
    case ReadError::kVerticesTruncated:
      PrintMessage(t3m_msg::kVerticesTruncated, p, file_bytes, expected);
      break;
    case ReadError::kConnsTruncated:
      PrintMessage(t3m_msg::kConnsTruncated, p, file_bytes, expected);
      break;
    case ReadError::kTrailingBytes:
      PrintMessage(t3m_msg::kTrailingBytes, p, expected);
      break;
    case ReadError::kNonFiniteValue:
      PrintMessage(t3m_msg::kNonFiniteValue, p, result.position);
      break;
    case ReadError::kIndexOutOfRange:
      PrintMessage(t3m_msg::kIndexOutOfRange, p, result.position, result.index,
                   result.vertex_count);
      break;
  }
}

bool LoadModel(const std::string& path, Model* model) {
  ReadResult result = ReadModelFile(path, model);
  if (!result.ok()) PrintReadError(path, result);
  return result.ok();
}

bool Save(const std::string& path, const std::string& bytes) {
  if (WriteWholeFile(path.c_str(), bytes)) return true;
  PrintMessage(t3m_msg::kWriteFailed, path.c_str());
  return false;
}

int RunInfo(const std::string& path) {
  Model model;
  if (!LoadModel(path, &model)) return kExitFailure;
  const MeshStats stats = ComputeStats(model);
  PrintMessage(t3m_msg::kInfoModel, path.c_str());
  PrintMessage(t3m_msg::kInfoVertices, stats.vertex_count);
  PrintMessage(t3m_msg::kInfoConns, stats.conn_count, stats.triangle_count);
  if (stats.has_bounds) {
    PrintMessage(t3m_msg::kInfoBounds, stats.min.x, stats.max.x, stats.min.y,
                 stats.max.y, stats.min.z, stats.max.z);
  } else {
    PrintMessage(t3m_msg::kInfoNoBounds);
  }
  PrintMessage(t3m_msg::kInfoArea, stats.area);
  PrintMessage(t3m_msg::kInfoZeroArea, stats.zero_area_triangles);
  if (stats.closed) {
    PrintMessage(t3m_msg::kInfoClosed);
    // A profile drawn from the top down winds its solid inside out; the
    // exports turn it over, so the volume is the same either way.
    PrintMessage(t3m_msg::kInfoVolume, std::fabs(stats.volume));
    PrintMessage(stats.volume >= 0.0 ? t3m_msg::kInfoDrawnUpwards
                                     : t3m_msg::kInfoDrawnDownwards);
  } else if (stats.edge_count == 0) {
    PrintMessage(t3m_msg::kInfoNoSurface);
  } else {
    PrintMessage(t3m_msg::kInfoOpen, stats.open_edges, stats.crowded_edges,
                 stats.miswound_edges);
  }
  return kExitSuccess;
}

// "y" or "z", in any case; false for anything else.
bool ParseUpAxis(const std::string& text, UpAxis* up) {
  const std::string axis = Lower(text);
  if (axis != "y" && axis != "z") return false;
  *up = axis == "y" ? UpAxis::kY : UpAxis::kZ;
  return true;
}

int RunExport(const std::string& model_path, const std::string& out_path,
              const OptionMap& options) {
  const ExportFormat format = FormatForPath(out_path);
  UpAxis up = DefaultUpAxis(format);
  auto axis = options.find('u');
  if (axis != options.end() && !ParseUpAxis(axis->second, &up)) {
    PrintMessage(t3m_msg::kBadUpAxis);
    return kExitFailure;
  }
  if (format == ExportFormat::kUnknown) {
    PrintMessage(t3m_msg::kUnknownFormat, out_path.c_str());
    return kExitFailure;
  }
  Model model;
  if (!LoadModel(model_path, &model)) return kExitFailure;
  const ExportSurface surface = PrepareSurface(model);
  if (surface.faces.empty()) {
    PrintMessage(t3m_msg::kNothingToWrite, model_path.c_str());
    return kExitFailure;
  }
  std::string bytes;
  switch (format) {
    case ExportFormat::kObj:
      bytes = ExportObj(model, surface, up);
      break;
    case ExportFormat::kStl:
      bytes = ExportStl(model, surface, up);
      break;
    case ExportFormat::kPly:
      bytes = ExportPly(model, surface, up);
      break;
    case ExportFormat::kGlb:
      if (!ExportGlb(model, surface, up, &bytes)) {
        PrintMessage(t3m_msg::kBuildFailed, "glTF");
        return kExitFailure;
      }
      break;
    case ExportFormat::k3mf:
      if (!Export3mf(model, surface, up, &bytes)) {
        PrintMessage(t3m_msg::kBuildFailed, "3MF");
        return kExitFailure;
      }
      break;
    case ExportFormat::kUnknown:
      break;
  }
  if (!Save(out_path, bytes)) return kExitFailure;
  PrintMessage(t3m_msg::kExported, model_path.c_str(), out_path.c_str(),
               static_cast<int>(surface.faces.size()));
  return kExitSuccess;
}

int RunRender(const std::string& model_path, const std::string& out_path,
              const OptionMap& options) {
  int width = kDefaultImageWidth;
  int height = kDefaultImageHeight;
  auto size = options.find('s');
  if (size != options.end() && !ParseImageSize(size->second, &width, &height)) {
    PrintMessage(t3m_msg::kBadSize);
    return kExitFailure;
  }
  if (!EndsWith(Lower(out_path), ".png")) {
    PrintMessage(t3m_msg::kNotPng, out_path.c_str());
    return kExitFailure;
  }
  Model model;
  if (!LoadModel(model_path, &model)) return kExitFailure;
  Image image;
  if (!RenderModel(model, width, height, &image)) {
    PrintMessage(t3m_msg::kNothingToWrite, model_path.c_str());
    return kExitFailure;
  }
  std::string bytes;
  if (!EncodePng(image, &bytes)) {
    PrintMessage(t3m_msg::kBuildFailed, "PNG");
    return kExitFailure;
  }
  if (!Save(out_path, bytes)) return kExitFailure;
  PrintMessage(t3m_msg::kRendered, model_path.c_str(), out_path.c_str(), width,
               height);
  return kExitSuccess;
}

int Usage(int status) {
  PrintMessage(t3m_msg::kUsage);
  return status;
}

int Dispatch(int argc, char** argv) {
  CommandLine command_line(argv, argc);
  PositionalList args;
  OptionMap options;
  if (!command_line.GetPositionals(&args) ||
      !command_line.GetOptions(&options)) {
    return Usage(kExitFailure);
  }
  // Asking for help alone is no failure.
  if (args.empty() && options.size() == 1 && options.count('h') == 1 &&
      options.at('h').empty()) {
    return Usage(kExitSuccess);
  }
  if (args.empty()) return Usage(kExitFailure);
  const std::string command = Lower(args[0]);
  if (command == "info" && args.size() == 2 && options.empty()) {
    return RunInfo(args[1]);
  }
  if (command == "export" && args.size() == 3 &&
      options.size() == options.count('u')) {
    return RunExport(args[1], args[2], options);
  }
  if (command == "render" && args.size() == 3 &&
      options.size() == options.count('s')) {
    return RunRender(args[1], args[2], options);
  }
  return Usage(kExitFailure);
}

}  // namespace

int RunT3m(int argc, char** argv) {
  int status = kExitFailure;
  try {
    status = Dispatch(argc, argv);
  } catch (const std::bad_alloc&) {
    PrintMessage(msg::kOutOfMemory);
  }
  // What was printed must have arrived: a full disk or a closed pipe behind
  // standard output is a failure too.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) status = kExitFailure;
  return status;
}
