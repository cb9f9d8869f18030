// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
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
    // Replaces the notification this object showed last. False when no daemon took it.
    bool show(const QString& title, const QString& text, Kind kind, int timeoutMs);
    // Closes the notification this object showed last, if it is still there.
    void close();

    std::function<void()> onClicked;

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    bool bodyMarkup();

    QDBusConnection m_connection;
    uint m_shown = 0;
    std::optional<bool> m_bodyMarkup;
    QString m_daemonOwner;
};
