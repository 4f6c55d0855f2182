// The rules the /a value and the two paths must meet, and the decimal
// conversion that the /a check and the plot share.
#include "app/argument_checks.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/messages.h"

int ParseInteger(const char* text, int base, int32_t* value) {
  *value = 0;
  errno = 0;
  char* end = nullptr;
  // long long holds every 32-bit value on every platform, so the range test
  // below does not depend on how wide long is.
  long long result = std::strtoll(text, &end, base);
  if (end == text) return 0;
  if (errno == ERANGE || result < INT32_MIN || result > INT32_MAX) return 0;
  *value = static_cast<int32_t>(result);
  return 1;
}

bool HasReservedPrefix(const char* path) {
  static const char* const kReservedPrefixes[] = {"\\\\", "//", "CONIN$",
                                                  "CONOUT$"};
  for (const char* prefix : kReservedPrefixes) {
    if (std::strncmp(path, prefix, std::strlen(prefix)) == 0) return true;
  }
  return false;
}

bool HasPercentSign(const char* path) {
  return std::strchr(path, '%') != nullptr;
}

bool AccuracyChecker::InRange(int32_t value) {
  return value >= kMinAccuracy && value <= kMaxAccuracy;
}

int AccuracyChecker::Check(const char* text, int32_t* accuracy) {
  int32_t value = 0;
  if (!ParseInteger(text, 10, &value)) {
    PrintMessage(msg::kAccuracyNotNumber);
    *accuracy = kDefaultAccuracy;
    return 0;
  }
  if (!InRange(value)) {
    PrintMessage(msg::kAccuracyOutOfRange);
    *accuracy = kDefaultAccuracy;
    return 0;
  }
  *accuracy = value;
  return 1;
}

int PathChecker::CheckAndStore(const std::string& path, std::string* field) {
  if (path.size() > static_cast<size_t>(kMaxPathBytes)) {
    PrintMessage(msg::kPathTooLong);
    return 0;
  }
  // A path is a C string to every later stage: an embedded zero ends it.
  const char* text = path.c_str();
  if (HasReservedPrefix(text)) {
    PrintMessage(msg::kPathInvalid);
    return 0;
  }
  if (HasPercentSign(text)) {
    PrintMessage(msg::kPathHasPercent);
    return 0;
  }
  field->assign(text);
  return 1;
}
