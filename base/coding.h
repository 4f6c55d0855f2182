// Little-endian fixed-width values, as every binary file the programs read or
// write stores them, whatever the machine's own byte order.
#ifndef TURNEL_BASE_CODING_H_
#define TURNEL_BASE_CODING_H_

#include <cstdint>
#include <cstring>
#include <string>

inline void EncodeFixed16(unsigned char* out, uint16_t value) {
  out[0] = static_cast<unsigned char>(value);
  out[1] = static_cast<unsigned char>(value >> 8);
}

inline void EncodeFixed32(unsigned char* out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out[i] = static_cast<unsigned char>(value >> 8 * i);
}

inline uint16_t DecodeFixed16(const unsigned char* in) {
  return static_cast<uint16_t>(in[0] | in[1] << 8);
}

inline uint32_t DecodeFixed32(const unsigned char* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
         static_cast<uint32_t>(in[2]) << 16 |
         static_cast<uint32_t>(in[3]) << 24;
}

// A float travels as its own bits, -0 and NaN payloads included, so that a
// value read back writes out to the same bytes.
inline void EncodeFloat(unsigned char* out, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  EncodeFixed32(out, bits);
}

inline float DecodeFloat(const unsigned char* in) {
  const uint32_t bits = DecodeFixed32(in);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void PutFixed16(std::string* out, uint16_t value) {
  unsigned char bytes[2];
  EncodeFixed16(bytes, value);
  out->append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

inline void PutFixed32(std::string* out, uint32_t value) {
  unsigned char bytes[4];
  EncodeFixed32(bytes, value);
  out->append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

inline void PutFloat(std::string* out, float value) {
  unsigned char bytes[4];
  EncodeFloat(bytes, value);
  out->append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

#endif  // TURNEL_BASE_CODING_H_
