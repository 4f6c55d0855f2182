// PNG encoding of a picture through libpng, into memory.
#ifndef TURNEL_T3M_PNG_WRITER_H_
#define TURNEL_T3M_PNG_WRITER_H_

#include <string>

#include "t3m/renderer.h"

// The PNG bytes of an 8-bit RGB picture, with no time stamp or other chunk
// that would differ from run to run. False when libpng reports an error.
bool EncodePng(const Image& image, std::string* bytes);

#endif  // TURNEL_T3M_PNG_WRITER_H_
