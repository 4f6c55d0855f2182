// The checks the /a value and the two paths must pass, composed from the
// shared conversion and path rules; each prints its own message.
#include "app/argument_checks.h"

#include "base/limits.h"
#include "base/messages.h"
#include "base/parse_integer.h"
#include "base/path_rules.h"

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
