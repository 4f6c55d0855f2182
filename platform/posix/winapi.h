// Stand-ins for the few Windows calls the converter makes, so that the same
// code builds and runs on POSIX systems.
#ifndef TURNEL_PLATFORM_POSIX_WINAPI_H_
#define TURNEL_PLATFORM_POSIX_WINAPI_H_

#include <cstdint>

typedef int BOOL;
typedef uint32_t DWORD;
typedef void* HANDLE;
typedef void* HWND;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef uint16_t WORD;

struct RECT {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(-1))
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x1u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define FILE_ATTRIBUTE_READONLY 0x1u
#define FILE_ATTRIBUTE_DIRECTORY 0x10u
#define FILE_ATTRIBUTE_NORMAL 0x80u
#define INVALID_FILE_ATTRIBUTES 0xFFFFFFFFu
#define MOVEFILE_REPLACE_EXISTING 0x1u

#define ERROR_FILE_NOT_FOUND 2u
#define ERROR_ACCESS_DENIED 5u
#define ERROR_NOT_ENOUGH_MEMORY 8u
#define ERROR_OUTOFMEMORY 14u
#define ERROR_READ_FAULT 30u
#define ERROR_INVALID_PARAMETER 87u
#define ERROR_FILE_EXISTS 80u
#define ERROR_INVALID_INDEX 1413u

// A non-null pseudo handle when the process has a terminal, else null.
HWND GetConsoleWindow();
// The terminal's size in pixels as it reports it; 0 x 0 when it reports none.
BOOL GetClientRect(HWND window, RECT* rect);

int lstrlenA(LPCSTR text);
// The next character of code page 932 text: a lead byte (0x81-0x9F,
// 0xE0-0xFC) and a valid second byte (0x40-0x7E, 0x80-0xFC) are one
// character, so a second byte of 0x5C is never a backslash of its own.
LPSTR CharNextA(LPCSTR text);
LPSTR lstrcpynA(LPSTR dest, LPCSTR src, int capacity);
int lstrcmpA(LPCSTR a, LPCSTR b);

void SetLastError(DWORD code);
DWORD GetLastError();

// GENERIC_READ with OPEN_EXISTING opens a file that is not a directory, as
// the real call does without its backup flag; GENERIC_WRITE creates one as
// CREATE_NEW or CREATE_ALWAYS says. Nothing else is stood in for.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, void* security,
                   DWORD disposition, DWORD flags, HANDLE template_file);
// Reads up to size bytes; TRUE with 0 read at the end of the file.
BOOL ReadFile(HANDLE file, void* data, DWORD size, DWORD* read,
              void* overlapped);
BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written,
               void* overlapped);
BOOL CloseHandle(HANDLE file);
BOOL DeleteFileA(LPCSTR path);
// Replacing an existing file, the moved file takes over its permissions.
BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags);
// A file that grants no write permission to anyone is read-only.
DWORD GetFileAttributesA(LPCSTR path);
DWORD GetCurrentProcessId();

// The last component of a path, after the last "/" or "\" that is a character
// of its own (see CharNextA); negative when the path has none, or the needed
// size when the buffer is too small.
short GetFileTitleA(LPCSTR path, LPSTR title, WORD size);

#endif  // TURNEL_PLATFORM_POSIX_WINAPI_H_
