// The checks the /a value and the two paths must pass, composed from the
// shared conversion and path rules; each prints its own message.
#ifndef TURNEL_APP_ARGUMENT_CHECKS_H_
#define TURNEL_APP_ARGUMENT_CHECKS_H_

#include <cstdint>
#include <string>

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
