// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifications.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kDefaultAction = QStringLiteral("default");
constexpr int kCallTimeoutMs = 2000;

QString iconName(DesktopNotifications::Kind kind)
{
    switch (kind) {
    case DesktopNotifications::Kind::Information:
        return QStringLiteral("dialog-information");
    case DesktopNotifications::Kind::Warning:
        return QStringLiteral("dialog-warning");
    case DesktopNotifications::Kind::Error:
        return QStringLiteral("dialog-error");
    case DesktopNotifications::Kind::None:
        break;
    }
    return {};
}

} // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection connection)
    : m_connection(std::move(connection))
{
    m_connection.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
        SLOT(actionInvoked(uint, QString)));
    m_connection.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
        SLOT(notificationClosed(uint, uint)));
}

bool DesktopNotifications::available() const
{
    const QDBusConnectionInterface* bus = m_connection.interface();
    if (!m_connection.isConnected() || !bus)
        return false;
    return bus->isServiceRegistered(kService).value()
        || bus->activatableServiceNames().value().contains(kService);
}

bool DesktopNotifications::bodyMarkup()
{
    // Asked again when another daemon took over the name.
    const QString owner = m_connection.interface()->serviceOwner(kService).value();
    if (!m_bodyMarkup || owner != m_daemonOwner) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kService, kPath, kService, QStringLiteral("GetCapabilities"));
        const QDBusReply<QStringList> capabilities
            = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
        m_bodyMarkup = capabilities.isValid()
            && capabilities.value().contains(QStringLiteral("body-markup"));
        m_daemonOwner = m_connection.interface()->serviceOwner(kService).value();
    }
    return *m_bodyMarkup;
}

bool DesktopNotifications::show(const QString& title, const QString& text, Kind kind, int timeoutMs)
{
    if (!m_connection.isConnected())
        return false;
    // A daemon that reads markup would take "<" and "&" in a connection name as tags.
    const QString body = bodyMarkup() ? text.toHtmlEscaped() : text;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("vantrel"));
    QDBusMessage call
        = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QCoreApplication::applicationName() << m_shown << iconName(kind) << title << body
         << QStringList { kDefaultAction, QStringLiteral("Show Window") } << hints << timeoutMs;
    const QDBusReply<uint> id = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
    if (!id.isValid())
        return false;
    m_shown = id.value();
    return true;
}

void DesktopNotifications::close()
{
    if (!m_shown || !m_connection.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kService, QStringLiteral("CloseNotification"));
    call << m_shown;
    m_connection.asyncCall(call);
    m_shown = 0;
}

void DesktopNotifications::actionInvoked(uint id, const QString& action)
{
    if (id == m_shown && id != 0 && action == kDefaultAction && onClicked)
        onClicked();
}

void DesktopNotifications::notificationClosed(uint id, uint)
{
    if (id == m_shown)
        m_shown = 0;
}
