// POSIX stand-ins for the Windows console, string and file calls.
#include "winapi.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <initializer_list>

namespace {

thread_local DWORD last_error = 0;

// Any fixed non-null value will do: nothing looks behind the handle.
HWND const kConsolePseudoHandle = reinterpret_cast<HWND>(1);

// The first standard stream that is a terminal, or -1; looked for once, as
// the console and its size are asked for one after the other.
int TerminalFd() {
  static const int terminal = [] {
    for (int fd : {STDOUT_FILENO, STDERR_FILENO, STDIN_FILENO}) {
      if (isatty(fd)) return fd;
    }
    return -1;
  }();
  return terminal;
}

int FdOf(HANDLE file) {
  return static_cast<int>(reinterpret_cast<intptr_t>(file)) - 1;
}

HANDLE HandleOf(int fd) {
  // Offset by one so that descriptor 0 does not become a null handle.
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd) + 1);
}

DWORD ErrorOf(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return ERROR_FILE_NOT_FOUND;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

}  // namespace

HWND GetConsoleWindow() {
  return TerminalFd() >= 0 ? kConsolePseudoHandle : nullptr;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{0, 0, 0, 0};
  int fd = TerminalFd();
  if (window == nullptr || fd < 0) return FALSE;
  struct winsize size;
  if (ioctl(fd, TIOCGWINSZ, &size) != 0) return FALSE;
  rect->right = size.ws_xpixel;
  rect->bottom = size.ws_ypixel;
  return TRUE;
}

int lstrlenA(LPCSTR text) {
  return text == nullptr ? 0 : static_cast<int>(strlen(text));
}

LPSTR CharNextA(LPCSTR text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead == 0) return const_cast<LPSTR>(text);
  const auto second = static_cast<unsigned char>(text[1]);
  const bool is_lead =
      (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
  const bool is_second =
      (second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFC);
  return const_cast<LPSTR>(text + (is_lead && is_second ? 2 : 1));
}

LPSTR lstrcpynA(LPSTR dest, LPCSTR src, int capacity) {
  if (dest == nullptr || capacity <= 0) return dest;
  int i = 0;
  if (src != nullptr) {
    for (; i < capacity - 1 && src[i] != '\0'; ++i) dest[i] = src[i];
  }
  dest[i] = '\0';
  return dest;
}

int lstrcmpA(LPCSTR a, LPCSTR b) {
  return strcmp(a != nullptr ? a : "", b != nullptr ? b : "");
}

void SetLastError(DWORD code) { last_error = code; }

DWORD GetLastError() { return last_error; }

namespace {

HANDLE OpenExisting(LPCSTR path) {
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetLastError(ErrorOf(errno));
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  return HandleOf(fd);
}

}  // namespace

HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD, void*, DWORD disposition,
                   DWORD, HANDLE) {
  if (path != nullptr && access == GENERIC_READ &&
      disposition == OPEN_EXISTING) {
    return OpenExisting(path);
  }
  if (path == nullptr || access != GENERIC_WRITE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
  if (disposition == CREATE_NEW) {
    flags |= O_EXCL;
  } else if (disposition == CREATE_ALWAYS) {
    flags |= O_TRUNC;
  } else {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  int fd = open(path, flags, 0666);
  if (fd < 0) {
    SetLastError(ErrorOf(errno));
    return INVALID_HANDLE_VALUE;
  }
  return HandleOf(fd);
}

BOOL ReadFile(HANDLE file, void* data, DWORD size, DWORD* read, void*) {
  for (;;) {
    ssize_t n = ::read(FdOf(file), data, size);
    if (n < 0 && errno == EINTR) continue;
    if (read != nullptr) *read = n > 0 ? static_cast<DWORD>(n) : 0;
    if (n >= 0) return TRUE;
    SetLastError(ERROR_READ_FAULT);
    return FALSE;
  }
}

BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written,
               void*) {
  DWORD done = 0;
  const char* bytes = static_cast<const char*>(data);
  // Like the real call, keep going until all is written or an error stops it.
  while (done < size) {
    ssize_t n = write(FdOf(file), bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (written != nullptr) *written = done;
      SetLastError(ErrorOf(errno));
      return FALSE;
    }
    done += static_cast<DWORD>(n);
  }
  if (written != nullptr) *written = done;
  return TRUE;
}

BOOL CloseHandle(HANDLE file) { return close(FdOf(file)) == 0; }

BOOL DeleteFileA(LPCSTR path) { return unlink(path) == 0; }

BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  struct stat replaced;
  const bool exists = lstat(to, &replaced) == 0;
  // rename() always replaces, so refuse where the target exists.
  if (exists && (flags & MOVEFILE_REPLACE_EXISTING) == 0) {
    SetLastError(ERROR_FILE_EXISTS);
    return FALSE;
  }
  if (exists && S_ISREG(replaced.st_mode) &&
      chmod(from, replaced.st_mode & 0777) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (rename(from, to) != 0) {
    SetLastError(ErrorOf(errno));
    return FALSE;
  }
  return TRUE;
}

DWORD GetFileAttributesA(LPCSTR path) {
  struct stat info;
  if (path == nullptr || stat(path, &info) != 0) {
    SetLastError(ErrorOf(errno));
    return INVALID_FILE_ATTRIBUTES;
  }
  if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  if ((info.st_mode & 0222) == 0) return FILE_ATTRIBUTE_READONLY;
  return FILE_ATTRIBUTE_NORMAL;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

short GetFileTitleA(LPCSTR path, LPSTR title, WORD size) {
  if (path == nullptr) return -1;
  const char* name = path;
  for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
    if (*p == '/' || *p == '\\') name = p + 1;
  }
  size_t length = strlen(name);
  if (length == 0) return -1;
  if (title == nullptr || length + 1 > size) {
    return static_cast<short>(length + 1);
  }
  memcpy(title, name, length + 1);
  return 0;
}
