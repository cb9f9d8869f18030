// SPDX-License-Identifier: GPL-3.0-or-later
#include "keepontop.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <map>
#include <xcb/xcb.h>

namespace {

// The visibility the X server last reported for each window it was asked to report on.
class VisibilityWatch final : public QAbstractNativeEventFilter
{
public:
    explicit VisibilityWatch(xcb_connection_t* connection)
        : m_connection(connection)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_VISIBILITY_NOTIFY) {
            const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
            const auto found = m_covered.find(visibility->window);
            if (found != m_covered.end())
                found->second = visibility->state != XCB_VISIBILITY_UNOBSCURED;
        }
        return false;
    }

    // Whether the window may be covered; asks the server to report it from now on.
    bool mayBeCovered(xcb_window_t window)
    {
        const auto found = m_covered.find(window);
        if (found != m_covered.end())
            return found->second;
        // Qt's own event mask, with visibility added: the mask is per client, so it is read first.
        const auto cookie = xcb_get_window_attributes(m_connection, window);
        xcb_get_window_attributes_reply_t* reply
            = xcb_get_window_attributes_reply(m_connection, cookie, nullptr);
        if (!reply)
            return true;
        const std::uint32_t mask = reply->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
        std::free(reply);
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
        m_covered.emplace(window, true);
        return true;
    }

    void raised(xcb_window_t window) { m_covered[window] = false; }

private:
    xcb_connection_t* m_connection;
    std::map<xcb_window_t, bool> m_covered;
};

} // namespace

void keepOnTop(QWidget& window)
{
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!x11 || !window.isVisible())
        return;
    auto* application = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!application || !application->connection()) {
        window.raise();
        return;
    }
    static VisibilityWatch watch(application->connection());
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (!watch.mayBeCovered(id))
        return;
    window.raise();
    // A raise that uncovers the window is answered with its new visibility; one that changes
    // nothing is not answered at all.
    watch.raised(id);
}
