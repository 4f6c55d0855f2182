// The text of one plot field, kept only while it fits the field limit.
#ifndef TURNEL_PLOT_FIELD_TEXT_H_
#define TURNEL_PLOT_FIELD_TEXT_H_

#include <cstdint>
#include <string>

// A field holds at most 511 bytes.
constexpr int32_t kMaxFieldBytes = 511;

class FieldText {
 public:
  // 1 and the text stored; or 0, ERROR_INVALID_PARAMETER recorded and the
  // old text kept, when text is longer than kMaxFieldBytes.
  int Assign(const std::string& text);
  // The same, taking the text over rather than copying it when it is stored.
  int Assign(std::string&& text);

  const char* Text() const { return text_.c_str(); }
  int32_t Length() const { return static_cast<int32_t>(text_.size()); }

 private:
  std::string text_;
};

#endif  // TURNEL_PLOT_FIELD_TEXT_H_
