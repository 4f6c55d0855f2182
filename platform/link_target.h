// Where a write to a path lands: the file that a symbolic link names, not the
// link, so that replacing a file keeps the links that lead to it.
#ifndef TURNEL_PLATFORM_LINK_TARGET_H_
#define TURNEL_PLATFORM_LINK_TARGET_H_

#include <string>

// The path with every symbolic link it names followed, however many lead on
// from one another; the path itself where it is no link, or names nothing
// yet. False when the links loop or lead on too far. May throw
// std::bad_alloc.
bool FollowLinks(const std::string& path, std::string* target);

#endif  // TURNEL_PLATFORM_LINK_TARGET_H_
