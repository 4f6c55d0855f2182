// printf-style text added to the end of a string, for the text formats.
#ifndef TURNEL_T3M_APPEND_FORMAT_H_
#define TURNEL_T3M_APPEND_FORMAT_H_

#include <string>

// Adds the formatted text, which must fit in 160 bytes, as a line of a text
// format does.
void AppendFormat(std::string* out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

#endif  // TURNEL_T3M_APPEND_FORMAT_H_
