// SPDX-License-Identifier: GPL-3.0-or-later
// The user-interface library (user32.dll): layered windows and registered messages.
#pragma once

#include "types.h"

namespace win {

using COLORREF = DWORD;
constexpr DWORD LWA_COLORKEY = 0x1;
constexpr DWORD LWA_ALPHA = 0x2;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;

// Opacity of a window made layered: alpha 0 transparent, 255 opaque. FALSE without a window
// system or for an unknown window.
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);
// One number per message name for the life of the process, from 0xC000 on.
UINT RegisterWindowMessageA(LPCSTR lpString);

} // namespace win
