// The text of one plot field, kept only while it fits the field limit.
#include "plot/field_text.h"

#include <utility>

#include "winapi.h"

namespace {

// False, with ERROR_INVALID_PARAMETER recorded, for a text past the limit.
bool Fits(const std::string& text) {
  if (text.size() <= static_cast<size_t>(kMaxFieldBytes)) return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

}  // namespace

int FieldText::Assign(const std::string& text) {
  if (!Fits(text)) return 0;
  text_ = text;
  return 1;
}

int FieldText::Assign(std::string&& text) {
  if (!Fits(text)) return 0;
  text_ = std::move(text);
  return 1;
}
