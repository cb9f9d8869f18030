// SPDX-License-Identifier: GPL-3.0-or-later
#include "xembedtraywatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <xcb/xcb.h>

namespace {

// The atoms of these names, asked for together: one round trip to the server. 0 for one that
// could not be had.
std::vector<std::uint32_t> internAtoms(
    xcb_connection_t* connection, const std::vector<std::string>& names)
{
    std::vector<xcb_intern_atom_cookie_t> cookies;
    cookies.reserve(names.size());
    for (const std::string& name : names)
        cookies.push_back(
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()));
    std::vector<std::uint32_t> atoms;
    atoms.reserve(names.size());
    for (const xcb_intern_atom_cookie_t& cookie : cookies) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        atoms.push_back(reply ? reply->atom : 0);
        std::free(reply);
    }
    return atoms;
}

} // namespace

XEmbedTrayWatch::XEmbedTrayWatch(std::function<void()> announced)
    : m_announced(std::move(announced))
{
    const auto* x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    std::vector<std::string> names { "MANAGER" };
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int screen = 0; screen < screens; ++screen)
        names.push_back("_NET_SYSTEM_TRAY_S" + std::to_string(screen));
    const std::vector<std::uint32_t> atoms = internAtoms(connection, names);
    m_manager = atoms.front();
    m_traySelections.assign(atoms.begin() + 1, atoms.end());
    if (m_manager != 0)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

XEmbedTrayWatch::~XEmbedTrayWatch()
{
    if (m_manager != 0 && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XEmbedTrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks an event another client sent, as the tray sends this one.
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->type == m_manager && client->format == 32
        && std::ranges::find(m_traySelections, client->data.data32[1]) != m_traySelections.end())
        m_announced();
    // Qt's own tray icons follow the announcement too.
    return false;
}
