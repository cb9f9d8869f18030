// SPDX-License-Identifier: GPL-3.0-or-later
// Loader, time, version and folder services.
#pragma once

#include "types.h"

#include <cstdint>

namespace win {

// Milliseconds since the clock's origin, wrapping every 49.7 days.
DWORD GetTickCount();
// The same count without the wrap.
std::uint64_t GetTickCount64();

constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA
{
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

// Fails with ERROR_INSUFFICIENT_BUFFER unless dwOSVersionInfoSize is the record's size.
BOOL GetVersionExA(OSVERSIONINFOA* lpVersionInformation);

HMODULE LoadLibraryA(LPCSTR lpLibFileName);
BOOL FreeLibrary(HMODULE hLibModule);
// By name, or by ordinal when the name pointer's value is below 0x10000 (MAKEINTRESOURCEA).
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
inline LPCSTR MAKEINTRESOURCEA(WORD ordinal)
{
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(ordinal));
}

// Module 0 is the running executable. Returns the length copied, truncating like the platform.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
// The system-wide configuration folder stands for the Windows directory.
UINT GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize);

} // namespace win
