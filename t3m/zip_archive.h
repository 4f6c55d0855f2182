// A zip archive assembled in memory, for the formats that are packages.
#ifndef TURNEL_T3M_ZIP_ARCHIVE_H_
#define TURNEL_T3M_ZIP_ARCHIVE_H_

#include <string>
#include <vector>

struct ZipEntry {
  std::string name;
  std::string content;
};

// The entries deflated into one archive, in the order given, each dated the
// same fixed day so that the same entries always give the same bytes. False
// when the zip library fails.
bool PackZip(const std::vector<ZipEntry>& entries, std::string* bytes);

#endif  // TURNEL_T3M_ZIP_ARCHIVE_H_
