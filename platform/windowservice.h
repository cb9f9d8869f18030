// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win/types.h"

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// What the shell's record cannot say about a balloon, for desktops that show several at once: a
// balloon takes away only the one of its own group, and one that stays is urgent and waits for
// the user.
enum class BalloonGroup { Connection, Plan };
struct BalloonOptions
{
    BalloonGroup group = BalloonGroup::Connection;
    bool stays = false;
};

// What the window system offers the platform's window and shell calls. The GUI installs one
// (Runtime::setWindowService); without one, those calls fail as on a system without the feature.
class WindowService
{
public:
    virtual ~WindowService() = default;

    // Layered windows: 0 fully transparent, 1 opaque. False for an unknown window.
    virtual bool setOpacity(win::HWND window, double opacity) = 0;

    // The notification area. An icon is known by its owner window and identifier; its picture by
    // a handle from iconHandle. Mouse activity comes back through the owner's callback.
    struct TrayIcon
    {
        win::HWND owner = 0;
        win::UINT id = 0;
        win::UINT callbackMessage = 0;
        std::uint32_t icon = 0;
        std::string tip;
        bool balloon = false;
        std::string balloonTitle;
        std::string balloonText;
        win::UINT balloonTimeoutMs = 0;
        win::DWORD balloonIcon = 0;
        BalloonOptions balloonOptions;
    };
    virtual bool trayAvailable() const = 0;
    virtual bool addTrayIcon(const TrayIcon& icon) = 0;
    virtual bool modifyTrayIcon(const TrayIcon& icon) = 0;
    virtual bool deleteTrayIcon(win::HWND owner, win::UINT id) = 0;
};

// Windows that receive messages: a handle for a callback (the platform's hidden message windows).
using MessageHandler
    = std::function<void(win::UINT message, std::uintptr_t wParam, std::intptr_t lParam)>;
win::HWND createMessageWindow(MessageHandler handler);
void destroyMessageWindow(win::HWND window);
// Delivers a message to a message window; false when the window does not exist.
bool sendMessage(win::HWND window, win::UINT message, std::uintptr_t wParam, std::intptr_t lParam);
// Sends a message to every message window (the shell's broadcasts).
void broadcastMessage(win::UINT message);

} // namespace platform
