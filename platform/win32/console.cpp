// Which form of the messages the console shows, on Windows: the console shows
// the system's code page, so always the code page 932 bytes.
#include "platform/console.h"

bool ConsoleShowsUtf8() { return false; }
