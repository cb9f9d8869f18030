// SPDX-License-Identifier: GPL-3.0-or-later
#include "winreg.h"

#include "../runtime.h"

namespace win {

namespace {

platform::Registry& registry()
{
    return platform::Runtime::current().registry();
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    return registry().openKey(hKey, lpSubKey, false, phkResult, nullptr);
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM, SECURITY_ATTRIBUTES*,
    PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    return registry().openKey(hKey, lpSubKey, true, phkResult, lpdwDisposition);
}

LONG RegCloseKey(HKEY hKey)
{
    return registry().closeKey(hKey);
}

LONG RegSetValueExA(
    HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    return registry().setValue(hKey, lpValueName, dwType, lpData, cbData);
}

LONG RegQueryValueExA(
    HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    return registry().queryValue(hKey, lpValueName, lpType, lpData, lpcbData);
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    return registry().deleteValue(hKey, lpValueName);
}

LONG RegDeleteTreeA(HKEY hKey, LPCSTR lpSubKey)
{
    return registry().deleteTree(hKey, lpSubKey);
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD,
    LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    // Keys carry no class and no write time here.
    if (lpClass && lpcchClass && *lpcchClass > 0)
        lpClass[0] = '\0';
    if (lpcchClass)
        *lpcchClass = 0;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = {};
    return registry().enumKey(hKey, dwIndex, lpName, lpcchName);
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD,
    LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    return registry().enumValue(
        hKey, dwIndex, lpValueName, lpcchValueName, lpType, lpData, lpcbData);
}

LONG RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
    LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
    LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
    PFILETIME lpftLastWriteTime)
{
    platform::Registry::KeyInfo info;
    const LONG result = registry().queryInfo(hKey, &info);
    if (result != ERROR_SUCCESS)
        return result;
    if (lpClass && lpcchClass && *lpcchClass > 0)
        lpClass[0] = '\0';
    if (lpcchClass)
        *lpcchClass = 0;
    if (lpcSubKeys)
        *lpcSubKeys = info.subKeys;
    if (lpcbMaxSubKeyLen)
        *lpcbMaxSubKeyLen = info.maxSubKeyLength;
    if (lpcbMaxClassLen)
        *lpcbMaxClassLen = 0;
    if (lpcValues)
        *lpcValues = info.values;
    if (lpcbMaxValueNameLen)
        *lpcbMaxValueNameLen = info.maxValueNameLength;
    if (lpcbMaxValueLen)
        *lpcbMaxValueLen = info.maxValueSize;
    if (lpcbSecurityDescriptor)
        *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = {};
    return ERROR_SUCCESS;
}

} // namespace win
