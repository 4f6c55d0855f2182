// The Windows calls the converter makes, from the Windows headers themselves.
#ifndef TURNEL_PLATFORM_WIN32_WINAPI_H_
#define TURNEL_PLATFORM_WIN32_WINAPI_H_

#include <windows.h>
// GetFileTitleA
#include <commdlg.h>

#endif  // TURNEL_PLATFORM_WIN32_WINAPI_H_
