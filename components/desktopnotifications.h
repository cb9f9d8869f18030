// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// Balloons as desktop notifications (org.freedesktop.Notifications): the summary, the body with
// its own lines, the kind's icon, normal urgency whatever the icon, the caller's expiry, and a
// click on the notification reported back.
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(QDBusConnection connection);

    // Whether a notification daemon runs or can be started on the session bus.
    bool available() const;

    enum class Kind { None, Information, Warning, Error };
    // Replaces the notification this object showed last, without waiting for the daemon. False
    // when there is no bus to send it on.
    bool show(const QString& title, const QString& text, Kind kind, int timeoutMs);
    // Closes the notification this object showed last, if it is still there.
    void close();

    std::function<void()> onClicked;

private:
    Q_SLOT void actionInvoked(uint id, const QString& action);
    Q_SLOT void notificationClosed(uint id, uint reason);
    void askCapabilities();

    QDBusConnection m_connection;
    QDBusServiceWatcher m_daemonWatcher;
    uint m_shown = 0;
    // Whether the daemon reads markup in the body; unknown until it answered.
    std::optional<bool> m_bodyMarkup;
    bool m_asking = false;
};
