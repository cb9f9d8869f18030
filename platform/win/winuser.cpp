// SPDX-License-Identifier: GPL-3.0-or-later
#include "winuser.h"

#include "../runtime.h"
#include "../text.h"

#include <map>
#include <string>

namespace win {

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF, BYTE bAlpha, DWORD dwFlags)
{
    platform::WindowService* service = platform::Runtime::current().windowService();
    if (!service)
        return FALSE;
    if (!(dwFlags & LWA_ALPHA))
        return TRUE; // colour keys are not offered; the window stays as it is
    return service->setOpacity(hwnd, bAlpha / 255.0) ? TRUE : FALSE;
}

UINT RegisterWindowMessageA(LPCSTR lpString)
{
    static std::map<std::string, UINT> registered;
    if (!lpString || !lpString[0])
        return 0;
    const std::string name = platform::asciiLower(lpString);
    const auto found = registered.find(name);
    if (found != registered.end())
        return found->second;
    const UINT number = 0xC000 + static_cast<UINT>(registered.size());
    registered.emplace(name, number);
    return number;
}

} // namespace win
