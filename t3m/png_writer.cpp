// PNG encoding of a picture through libpng, into memory.
#include "t3m/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <new>
#include <vector>

namespace {

// Owns libpng's write and info structures.
class PngWriteStruct {
 public:
  PngWriteStruct()
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr,
                                     nullptr)),
        info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {}
  PngWriteStruct(const PngWriteStruct&) = delete;
  PngWriteStruct& operator=(const PngWriteStruct&) = delete;
  ~PngWriteStruct() { png_destroy_write_struct(&png_, &info_); }

  bool valid() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

// libpng calls these from C: an exception must not cross it, so running out
// of memory becomes a libpng error, which ends in the setjmp below.
void AppendData(png_structp png, png_bytep data, png_size_t length) {
  std::string* out = static_cast<std::string*>(png_get_io_ptr(png));
  try {
    out->append(reinterpret_cast<const char*>(data), length);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void FlushNothing(png_structp) {}

// Everything that must outlive a longjmp is made before this is called and
// no object with a destructor lives in its frame.
bool WriteRows(const PngWriteStruct& writer, const Image& image,
               png_bytep* rows, std::string* bytes) {
  if (setjmp(png_jmpbuf(writer.png())) != 0) return false;
  png_set_write_fn(writer.png(), bytes, AppendData, FlushNothing);
  png_set_IHDR(writer.png(), writer.info(), image.width, image.height, 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(writer.png(), 9);
  png_set_rows(writer.png(), writer.info(), rows);
  png_write_png(writer.png(), writer.info(), PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

}  // namespace

bool EncodePng(const Image& image, std::string* bytes) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgb.size() != 3 * static_cast<size_t>(image.width) * image.height) {
    return false;
  }
  PngWriteStruct writer;
  if (!writer.valid()) return false;
  std::vector<png_bytep> rows(image.height);
  for (int y = 0; y < image.height; ++y) {
    // libpng only reads the rows, whatever its type says.
    rows[y] = const_cast<png_bytep>(
        &image.rgb[3 * static_cast<size_t>(y) * image.width]);
  }
  bytes->clear();
  return WriteRows(writer, image, rows.data(), bytes);
}
