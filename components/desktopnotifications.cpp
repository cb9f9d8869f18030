// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifications.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <algorithm>
#include <utility>

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

std::size_t slot(platform::BalloonGroup group)
{
    return group == platform::BalloonGroup::Plan ? 1 : 0;
}

} // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection connection)
    : m_connection(std::move(connection))
    , m_daemonWatcher(kService, m_connection, QDBusServiceWatcher::WatchForOwnerChange)
{
    // Another daemon may read the body otherwise.
    connect(&m_daemonWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString&, const QString& newOwner) {
            m_bodyMarkup.reset();
            if (!newOwner.isEmpty())
                askCapabilities();
        });
    if (m_connection.isConnected() && m_connection.interface()
        && m_connection.interface()->isServiceRegistered(kService).value())
        askCapabilities();
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

void DesktopNotifications::askCapabilities()
{
    if (m_asking)
        return;
    m_asking = true;
    auto* answer = new QDBusPendingCallWatcher(
        m_connection.asyncCall(QDBusMessage::createMethodCall(
                                   kService, kPath, kService, QStringLiteral("GetCapabilities")),
            kCallTimeoutMs),
        this);
    connect(
        answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
            const QDBusPendingReply<QStringList> capabilities = *call;
            m_bodyMarkup = capabilities.isValid()
                && capabilities.value().contains(QStringLiteral("body-markup"));
            m_asking = false;
            call->deleteLater();
        });
}

bool DesktopNotifications::show(const QString& title, const QString& text, Kind kind, int timeoutMs,
    const platform::BalloonOptions& options)
{
    if (!m_connection.isConnected())
        return false;
    // A daemon that reads markup would take "<" and "&" in a connection name as tags.
    if (!m_bodyMarkup)
        askCapabilities();
    const QString body = m_bodyMarkup.value_or(false) ? text.toHtmlEscaped() : text;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(options.stays ? 2 : 1));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("vantrel"));
    QDBusMessage call
        = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const std::size_t group = slot(options.group);
    call << QCoreApplication::applicationName() << m_shown[group] << iconName(kind) << title << body
         << QStringList { kDefaultAction, tr("Show Window") } << hints
         << (options.stays ? 0 : timeoutMs);
    // Not waited for: a daemon that hangs must not hold up the program.
    auto* answer = new QDBusPendingCallWatcher(m_connection.asyncCall(call, kCallTimeoutMs), this);
    const std::uint64_t number = ++m_calls[group];
    connect(answer, &QDBusPendingCallWatcher::finished, this,
        [this, group, number](QDBusPendingCallWatcher* sent) {
            const QDBusPendingReply<uint> id = *sent;
            if (id.isValid() && number == m_calls[group])
                m_shown[group] = id.value();
            else if (id.isValid() && id.value() != m_shown[group])
                closeId(id.value());
            sent->deleteLater();
        });
    return true;
}

uint DesktopNotifications::shownId(platform::BalloonGroup group) const
{
    return m_shown[slot(group)];
}

void DesktopNotifications::close(platform::BalloonGroup group)
{
    ++m_calls[slot(group)]; // a notification still on its way is closed when its id comes
    uint& shown = m_shown[slot(group)];
    if (!shown || !m_connection.isConnected())
        return;
    closeId(std::exchange(shown, 0));
}

void DesktopNotifications::closeId(uint id)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kService, QStringLiteral("CloseNotification"));
    call << id;
    m_connection.asyncCall(call);
}

void DesktopNotifications::actionInvoked(uint id, const QString& action)
{
    if (id != 0 && std::find(m_shown.begin(), m_shown.end(), id) != m_shown.end()
        && action == kDefaultAction && onClicked)
        onClicked();
}

void DesktopNotifications::notificationClosed(uint id, uint)
{
    for (uint& shown : m_shown) {
        if (shown == id)
            shown = 0;
    }
}
