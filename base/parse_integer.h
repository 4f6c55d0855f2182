// The decimal conversion that the /a value and the plot's numbers share.
#ifndef TURNEL_BASE_PARSE_INTEGER_H_
#define TURNEL_BASE_PARSE_INTEGER_H_

#include <cstdint>

// Converts text to a signed 32-bit integer as strtol does in the "C" locale:
// leading white space, one sign, the digits of base (10, the only one
// used), anything after them ignored. Gives 1 and the value, or 0 and the
// value 0 when there is no digit or the number lies outside the signed
// 32-bit range.
int ParseInteger(const char* text, int base, int32_t* value);

#endif  // TURNEL_BASE_PARSE_INTEGER_H_
