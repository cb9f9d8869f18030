// SPDX-License-Identifier: GPL-3.0-or-later
#include "shlobj.h"

#include "../xdg.h"
#include "winbase.h"

#include <cstring>
#include <string>

namespace win {

struct ITEMIDLIST
{
    std::string path;
};

namespace {

std::string folderPath(int csidl)
{
    switch (csidl) {
    case CSIDL_PERSONAL:
        return platform::xdg::home().string();
    case CSIDL_STARTUP:
        return (platform::xdg::configHome() / "autostart").string();
    case CSIDL_APPDATA:
        return platform::xdg::dataHome().string();
    case CSIDL_LOCAL_APPDATA:
        return platform::xdg::stateHome().string();
    case CSIDL_COMMON_APPDATA:
        return platform::xdg::dataDirs().front().string();
    case CSIDL_WINDOWS: {
        char buffer[MAX_PATH];
        return GetWindowsDirectoryA(buffer, MAX_PATH) < MAX_PATH ? std::string(buffer)
                                                                 : std::string();
    }
    default:
        return {};
    }
}

} // namespace

HRESULT SHGetSpecialFolderLocation(HWND, int csidl, LPITEMIDLIST* ppidl)
{
    if (!ppidl)
        return E_INVALIDARG;
    *ppidl = nullptr;
    std::string path = folderPath(csidl);
    if (path.empty())
        return E_INVALIDARG;
    *ppidl = new ITEMIDLIST { std::move(path) };
    return S_OK;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath)
{
    if (!pidl || !pszPath || pidl->path.size() >= MAX_PATH) {
        if (pszPath)
            pszPath[0] = '\0';
        return FALSE;
    }
    std::memcpy(pszPath, pidl->path.c_str(), pidl->path.size() + 1);
    return TRUE;
}

void ILFree(LPITEMIDLIST pidl)
{
    delete pidl;
}

} // namespace win
