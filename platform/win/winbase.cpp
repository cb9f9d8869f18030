// SPDX-License-Identifier: GPL-3.0-or-later
#include "winbase.h"

#include "../runtime.h"
#include "../xdg.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace win {

namespace {

thread_local DWORD lastError = 0;

// Copies text into a caller's buffer, truncated to fit with its NUL; returns the length copied.
DWORD copyTruncated(const std::string& text, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

} // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD error)
{
    lastError = error;
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(GetTickCount64());
}

std::uint64_t GetTickCount64()
{
    return platform::Runtime::current().source().clock().monotonicMs();
}

BOOL GetVersionExA(OSVERSIONINFOA* info)
{
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        return FALSE;
    }
    const platform::OsVersion version = platform::Runtime::current().source().osVersion();
    info->dwMajorVersion = version.major;
    info->dwMinorVersion = version.minor;
    info->dwBuildNumber = version.build;
    info->dwPlatformId = version.platformId;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    copyTruncated(version.servicePack, info->szCSDVersion, sizeof info->szCSDVersion);
    return TRUE;
}

HMODULE LoadLibraryA(LPCSTR name)
{
    if (!name) {
        SetLastError(static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        return 0;
    }
    return platform::Runtime::current().modules().load(name);
}

BOOL FreeLibrary(HMODULE module)
{
    return platform::Runtime::current().modules().free(module) ? TRUE : FALSE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name)
{
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    auto& modules = platform::Runtime::current().modules();
    if (value <= 0xFFFF)
        return modules.proc(module, static_cast<std::uint16_t>(value));
    return modules.proc(module, std::string_view(name));
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size)
{
    if (module != 0) {
        SetLastError(static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
        return 0;
    }
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        SetLastError(static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
        return 0;
    }
    const std::string text = path.string();
    const DWORD copied = copyTruncated(text, buffer, size);
    if (copied < text.size())
        SetLastError(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    return copied;
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size)
{
    const std::string folder = platform::xdg::configDirs().front().string();
    // Like the platform: the size needed, NUL included, when the buffer is too small.
    if (!buffer || folder.size() + 1 > size)
        return static_cast<UINT>(folder.size() + 1);
    return copyTruncated(folder, buffer, size);
}

} // namespace win
