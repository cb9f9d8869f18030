// SPDX-License-Identifier: GPL-3.0-or-later
#include "xconnection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <sys/socket.h>
#include <xcb/xcb.h>

namespace xconnection {

void sendPixelsOverConnection()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void makeRoomForARepaint()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    const int socket = xcb_get_file_descriptor(x11->connection());
    // A TCP connection (a remote display, ssh's forwarding) sizes its buffer itself, and better.
    sockaddr_storage address {};
    socklen_t addressLength = sizeof address;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &addressLength) != 0
        || address.ss_family != AF_UNIX)
        return;
    // The kernel caps what it is given at net.core.wmem_max (208 KiB on most systems, which
    // halves the waits rather than ending them). A refusal leaves the default: more waits, no harm.
    constexpr int kWanted = 1 << 20;
    setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &kWanted, sizeof kWanted);
}

} // namespace xconnection
