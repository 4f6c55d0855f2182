// Japanese text converted to code page 932 by the system's iconv.
#include <iconv.h>

#include "tests/console_text.h"

std::string ToCp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::string in = utf8;
  // No character grows beyond two bytes in code page 932.
  std::string out(in.size() * 2, '\0');
  char* src = &in[0];
  char* dst = &out[0];
  size_t src_left = in.size();
  size_t dst_left = out.size();
  EXPECT_NE(iconv(cd, &src, &src_left, &dst, &dst_left),
            static_cast<size_t>(-1))
      << utf8;
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}
