// Which form of the messages the console shows.
#ifndef TURNEL_PLATFORM_CONSOLE_H_
#define TURNEL_PLATFORM_CONSOLE_H_

// True when standard output is a terminal whose locale's character set is
// UTF-8, as on most Linux desktops: the programs then print their messages
// in UTF-8. False for pipes, files and every Windows console, which get the
// code page 932 bytes. Asked once; the locale is left as it was.
bool ConsoleShowsUtf8();

#endif  // TURNEL_PLATFORM_CONSOLE_H_
