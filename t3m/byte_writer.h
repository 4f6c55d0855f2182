// Little-endian fields appended to a byte string, for the binary exports.
#ifndef TURNEL_T3M_BYTE_WRITER_H_
#define TURNEL_T3M_BYTE_WRITER_H_

#include <cstdint>
#include <cstring>
#include <string>

inline void AppendUint16(uint16_t value, std::string* out) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>(value >> 8));
}

inline void AppendUint32(uint32_t value, std::string* out) {
  for (int i = 0; i < 4; ++i) {
    out->push_back(static_cast<char>((value >> 8 * i) & 0xFF));
  }
}

// The value's own bits, -0 and all.
inline void AppendFloat(float value, std::string* out) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  AppendUint32(bits, out);
}

#endif  // TURNEL_T3M_BYTE_WRITER_H_
