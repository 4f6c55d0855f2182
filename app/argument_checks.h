// The rules the /a value and the two paths must meet, and the decimal
// conversion that the /a check and the plot share.
#ifndef TURNEL_APP_ARGUMENT_CHECKS_H_
#define TURNEL_APP_ARGUMENT_CHECKS_H_

#include <cstdint>
#include <string>

// A path holds at most 259 bytes.
constexpr int kMaxPathBytes = 259;
constexpr int32_t kDefaultAccuracy = 3;
constexpr int32_t kMinAccuracy = 1;
constexpr int32_t kMaxAccuracy = 10;

// Converts text to a signed 32-bit integer as strtol does: leading white
// space, one sign, the digits of base, anything after them ignored. Gives 1
// and the value, or 0 and the value 0 when there is no digit or the number
// lies outside the signed 32-bit range.
int ParseInteger(const char* text, int base, int32_t* value);

// True when the path begins with "\\", "//", "CONIN$" or "CONOUT$", exactly.
bool HasReservedPrefix(const char* path);

// True when the path holds the byte "%".
bool HasPercentSign(const char* path);

class AccuracyChecker {
 public:
  // 1 and the value; or 0, a message, and the default accuracy.
  int Check(const char* text, int32_t* accuracy);
  bool InRange(int32_t value);
};

class PathChecker {
 public:
  // 1 and the path stored in field; or 0, a message, and field unchanged.
  int CheckAndStore(const std::string& path, std::string* field);
};

#endif  // TURNEL_APP_ARGUMENT_CHECKS_H_
