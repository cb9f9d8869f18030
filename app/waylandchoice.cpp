// SPDX-License-Identifier: GPL-3.0-or-later
#include "waylandchoice.h"

#include <cstdlib>
#include <cstring>

QString chooseDisplayPlatform()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool waylandSession
        = (session && std::strcmp(session, "wayland") == 0) || (wayland && wayland[0]);
    if (!waylandSession || (chosen && chosen[0]))
        return {};
    const char* x11 = std::getenv("DISPLAY");
    if (!x11 || !x11[0]) {
        // Only Wayland is left: asked for by name, so that Qt does not try X first.
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        return QStringLiteral("Wayland session without XWayland: the monitor window cannot stay on "
                              "top or keep its place.");
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return QStringLiteral(
        "Wayland session: running on XWayland, so that the monitor window can stay on top.");
}
