// SPDX-License-Identifier: GPL-3.0-or-later
#include "shellapi.h"

#include "../runtime.h"

#include <cstring>

namespace win {

namespace {

template<std::size_t N>
std::string text(const CHAR (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

} // namespace

BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* data)
{
    return platform::notifyIcon(dwMessage, data, {});
}

} // namespace win

namespace platform {

win::BOOL notifyIcon(
    win::DWORD dwMessage, win::NOTIFYICONDATAA* data, const BalloonOptions& balloonOptions)
{
    using namespace win;
    platform::WindowService* service = platform::Runtime::current().windowService();
    if (!service || !data || data->cbSize != sizeof(NOTIFYICONDATAA))
        return FALSE;
    if (dwMessage == NIM_DELETE)
        return service->deleteTrayIcon(data->hWnd, data->uID) ? TRUE : FALSE;
    platform::WindowService::TrayIcon icon;
    icon.owner = data->hWnd;
    icon.id = data->uID;
    if (data->uFlags & NIF_MESSAGE)
        icon.callbackMessage = data->uCallbackMessage;
    if (data->uFlags & NIF_ICON)
        icon.icon = data->hIcon;
    if (data->uFlags & NIF_TIP)
        icon.tip = text(data->szTip);
    if (data->uFlags & NIF_INFO) {
        icon.balloon = true;
        icon.balloonTitle = text(data->szInfoTitle);
        icon.balloonText = text(data->szInfo);
        icon.balloonTimeoutMs = data->uTimeout;
        icon.balloonIcon = data->dwInfoFlags;
        icon.balloonOptions = balloonOptions;
    }
    const bool done = dwMessage == NIM_ADD ? service->addTrayIcon(icon)
        : dwMessage == NIM_MODIFY          ? service->modifyTrayIcon(icon)
                                           : false;
    return done ? TRUE : FALSE;
}

} // namespace platform
