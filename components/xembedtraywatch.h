// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Tells when an XEmbed tray takes a screen's tray selection: the tray announces it with a
// "MANAGER" client message to the root window, which Qt's X11 connection receives anyway. Nothing
// is asked of the display between announcements. On other platforms it never calls.
class XEmbedTrayWatch : public QAbstractNativeEventFilter
{
public:
    explicit XEmbedTrayWatch(std::function<void()> announced);
    ~XEmbedTrayWatch() override;
    XEmbedTrayWatch(const XEmbedTrayWatch&) = delete;
    XEmbedTrayWatch& operator=(const XEmbedTrayWatch&) = delete;

    // False where the platform is not X11: then nobody says when a tray comes.
    bool watching() const { return m_manager != 0; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void()> m_announced;
    std::uint32_t m_manager = 0;
    // "_NET_SYSTEM_TRAY_S<n>" of each screen.
    std::vector<std::uint32_t> m_traySelections;
};
