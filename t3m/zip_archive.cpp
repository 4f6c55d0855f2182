// A zip archive assembled in memory, for the formats that are packages.
#include "t3m/zip_archive.h"

#include <zip.h>

#include <ctime>
#include <memory>

namespace {

struct FreeSource {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, FreeSource>;

// Noon, so that no time zone moves the date across a day.
constexpr std::time_t kEntryTime = 946728000;  // 2000-01-01 12:00 UTC

bool AddEntries(zip_t* archive, const std::vector<ZipEntry>& entries) {
  for (const ZipEntry& entry : entries) {
    zip_source_t* content = zip_source_buffer(archive, entry.content.data(),
                                              entry.content.size(), 0);
    if (content == nullptr) return false;
    const zip_int64_t index =
        zip_file_add(archive, entry.name.c_str(), content, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(content);
      return false;
    }
    const auto at = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive, at, ZIP_CM_DEFLATE, 0) != 0 ||
        zip_file_set_mtime(archive, at, kEntryTime, 0) != 0) {
      return false;
    }
  }
  return true;
}

// The bytes a closed archive left in its source.
bool ReadSource(zip_source_t* source, std::string* bytes) {
  zip_stat_t stat;
  if (zip_source_open(source) != 0) return false;
  bool ok =
      zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0;
  std::string out(ok ? stat.size : 0, '\0');
  if (ok) {
    ok = zip_source_read(source, &out[0], out.size()) ==
         static_cast<zip_int64_t>(out.size());
  }
  zip_source_close(source);
  if (ok) *bytes = std::move(out);
  return ok;
}

}  // namespace

bool PackZip(const std::vector<ZipEntry>& entries, std::string* bytes) {
  Source source(zip_source_buffer_create(nullptr, 0, 0, nullptr));
  if (source == nullptr) return false;
  // The archive frees its source when it closes; this one is kept to be read.
  zip_source_keep(source.get());
  zip_t* archive = zip_open_from_source(source.get(), ZIP_TRUNCATE, nullptr);
  if (archive == nullptr) return false;
  if (!AddEntries(archive, entries)) {
    zip_discard(archive);
    return false;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    return false;
  }
  return ReadSource(source.get(), bytes);
}
