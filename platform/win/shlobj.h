// SPDX-License-Identifier: GPL-3.0-or-later
// Shell special folders, mapped to their XDG counterparts.
#pragma once

#include "types.h"

namespace win {

constexpr int CSIDL_PERSONAL = 0x0005; // $HOME
constexpr int CSIDL_STARTUP = 0x0007; // $XDG_CONFIG_HOME/autostart
constexpr int CSIDL_APPDATA = 0x001A; // $XDG_DATA_HOME
constexpr int CSIDL_LOCAL_APPDATA = 0x001C; // $XDG_STATE_HOME
constexpr int CSIDL_COMMON_APPDATA = 0x0023; // first of $XDG_DATA_DIRS
constexpr int CSIDL_WINDOWS = 0x0024; // as GetWindowsDirectoryA

struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;

// E_INVALIDARG for a folder with no counterpart here.
HRESULT SHGetSpecialFolderLocation(HWND hwnd, int csidl, LPITEMIDLIST* ppidl);
// Copies the path into a MAX_PATH buffer; FALSE when it does not fit.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath);
void ILFree(LPITEMIDLIST pidl);

} // namespace win
