// Which export a path's extension asks for, and which way is up in it.
#include <cctype>

#include "t3m/exporters.h"

ExportFormat FormatForPath(const std::string& path) {
  static const struct {
    const char* extension;
    ExportFormat format;
  } kFormats[] = {{".obj", ExportFormat::kObj},
                  {".stl", ExportFormat::kStl},
                  {".ply", ExportFormat::kPly},
                  {".glb", ExportFormat::kGlb},
                  {".3mf", ExportFormat::k3mf}};
  size_t dot = path.rfind('.');
  size_t slash = path.rfind('/');
  // A dot in a directory name, or a name that is nothing but the extension,
  // names no format.
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
      dot == (slash == std::string::npos ? 0 : slash + 1)) {
    return ExportFormat::kUnknown;
  }
  std::string extension = path.substr(dot);
  for (char& c : extension) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const auto& entry : kFormats) {
    if (extension == entry.extension) return entry.format;
  }
  return ExportFormat::kUnknown;
}

UpAxis DefaultUpAxis(ExportFormat format) {
  return format == ExportFormat::kObj || format == ExportFormat::kGlb
             ? UpAxis::kY
             : UpAxis::kZ;
}
