// The rules a path must meet wherever the converter takes one: the command
// line checks them, and the model file writer checks the reserved prefixes
// again on its own.
#ifndef TURNEL_BASE_PATH_RULES_H_
#define TURNEL_BASE_PATH_RULES_H_

// True when the path begins with "\\", "//", "CONIN$" or "CONOUT$", exactly.
bool HasReservedPrefix(const char* path);

// True when the path holds the byte "%".
bool HasPercentSign(const char* path);

#endif  // TURNEL_BASE_PATH_RULES_H_
