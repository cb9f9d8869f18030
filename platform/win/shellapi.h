// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's notification area.
#pragma once

#include "../windowservice.h"
#include "types.h"

namespace win {

using HICON = DWORD;

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 0x01;
constexpr UINT NIF_ICON = 0x02;
constexpr UINT NIF_TIP = 0x04;
constexpr UINT NIF_INFO = 0x10;
// Sent to the icon's callback when the user clicks its balloon.
constexpr UINT NIN_BALLOONUSERCLICK = 0x0405;
constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;

struct NOTIFYICONDATAA
{
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    CHAR szInfo[256];
    UINT uTimeout;
    CHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};
static_assert(sizeof(NOTIFYICONDATAA) == 488);

// Adds, changes or removes an icon. Mouse activity on it comes back to hWnd as
// uCallbackMessage with the icon's id and the mouse message (WM_LBUTTONDOWN, ...). FALSE when
// the desktop has no notification area or the record is not the 488-byte one.
BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* lpData);

} // namespace win

namespace platform {

// Shell_NotifyIconA, with how its balloon stands beside others.
win::BOOL notifyIcon(
    win::DWORD message, win::NOTIFYICONDATAA* data, const BalloonOptions& balloonOptions);

} // namespace platform
