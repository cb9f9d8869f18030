// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/windowservice.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// Balloons as desktop notifications (org.freedesktop.Notifications): the summary, the body with
// its own lines, the kind's icon, normal urgency whatever the icon, the caller's expiry, and a
// click on the notification reported back. Each group of balloons has a notification of its own;
// one that stays is critical and never expires.
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(QDBusConnection connection);

    // Whether a notification daemon runs or can be started on the session bus.
    bool available() const;

    enum class Kind { None, Information, Warning, Error };
    // Replaces the notification this object showed last in the group, without waiting for the
    // daemon. False when there is no bus to send it on.
    bool show(const QString& title, const QString& text, Kind kind, int timeoutMs,
        const platform::BalloonOptions& options = {});
    // Closes the notification this object showed last in the group, if it is still there.
    void close(platform::BalloonGroup group = platform::BalloonGroup::Connection);

    // The daemon's id of the notification shown last in the group; 0 when it was closed or the
    // daemon has not answered yet.
    uint shownId(platform::BalloonGroup group) const;

    std::function<void()> onClicked;

private:
    void closeId(uint id);
    Q_SLOT void actionInvoked(uint id, const QString& action);
    Q_SLOT void notificationClosed(uint id, uint reason);
    void askCapabilities();

    QDBusConnection m_connection;
    QDBusServiceWatcher m_daemonWatcher;
    static constexpr std::size_t kGroups = 2;
    std::array<uint, kGroups> m_shown {};
    // The newest Notify call or close of each group: a notification whose call another overtook
    // before its id came back is closed, so none is left on screen out of reach.
    std::array<std::uint64_t, kGroups> m_calls {};
    // Whether the daemon reads markup in the body; unknown until it answered.
    std::optional<bool> m_bodyMarkup;
    bool m_asking = false;
};
