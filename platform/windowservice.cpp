// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowservice.h"

#include <map>
#include <vector>

namespace platform {

namespace {

struct MessageWindows
{
    std::map<win::HWND, MessageHandler> handlers;
    win::HWND next = 0x00C00001;
};

MessageWindows& windows()
{
    static MessageWindows instance;
    return instance;
}

} // namespace

win::HWND createMessageWindow(MessageHandler handler)
{
    auto& all = windows();
    const win::HWND window = all.next++;
    all.handlers.emplace(window, std::move(handler));
    return window;
}

void destroyMessageWindow(win::HWND window)
{
    windows().handlers.erase(window);
}

bool sendMessage(win::HWND window, win::UINT message, std::uintptr_t wParam, std::intptr_t lParam)
{
    auto& all = windows();
    const auto found = all.handlers.find(window);
    if (found == all.handlers.end())
        return false;
    // A copy: the handler may destroy its own window.
    const MessageHandler handler = found->second;
    handler(message, wParam, lParam);
    return true;
}

void broadcastMessage(win::UINT message)
{
    std::vector<win::HWND> targets;
    for (const auto& entry : windows().handlers)
        targets.push_back(entry.first);
    for (win::HWND window : targets)
        sendMessage(window, message, 0, 0);
}

} // namespace platform
