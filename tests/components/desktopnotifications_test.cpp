// SPDX-License-Identifier: GPL-3.0-or-later
// Balloons as desktop notifications, sent to a notification daemon's stand-in on a private bus:
// each group of balloons is a notification of its own, and the one that stays is critical.
#include "components/desktopnotifications.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/xserver.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

using platform::BalloonGroup;
using testing_support::runEventsUntil;

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// The daemon's side of the protocol: it records each Notify and CloseNotification and answers
// as a daemon does, with the id replaced or a new one.
class DaemonStandIn final : public QDBusVirtualObject
{
public:
    struct Notify
    {
        uint replaces = 0;
        QString summary;
        QString icon;
        uchar urgency = 0;
        int expires = -2;
    };

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() != kService)
            return false;
        const QList<QVariant> arguments = message.arguments();
        if (message.member() == QLatin1String("GetCapabilities")) {
            connection.send(message.createReply(QVariant(QStringList { "actions", "body" })));
        } else if (message.member() == QLatin1String("Notify") && arguments.size() == 8) {
            Notify call;
            call.replaces = arguments[1].toUInt();
            call.icon = arguments[2].toString();
            call.summary = arguments[3].toString();
            const QVariantMap hints = qdbus_cast<QVariantMap>(arguments[6]);
            call.urgency = hints.value(QStringLiteral("urgency")).value<uchar>();
            call.expires = arguments[7].toInt();
            notes.push_back(call);
            const uint id = call.replaces ? call.replaces : ++m_lastId;
            connection.send(message.createReply(QVariant::fromValue(id)));
        } else if (message.member() == QLatin1String("CloseNotification")) {
            closed.push_back(arguments.value(0).toUInt());
            connection.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

    std::vector<Notify> notes;
    std::vector<uint> closed;

private:
    uint m_lastId = 0;
};

class Notifications : public testing::Test
{
protected:
    void SetUp() override
    {
        const QString address = testing_support::startSessionBus(m_busDaemon);
        if (address.isEmpty())
            VANTREL_SKIP_UNLESS_CI() << "dbus-daemon did not start";
        static int count = 0;
        ++count;
        m_daemonName = QStringLiteral("daemon-%1").arg(count);
        m_programName = QStringLiteral("program-%1").arg(count);
        m_daemonBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, m_daemonName));
        m_programBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, m_programName));
        ASSERT_TRUE(m_daemonBus->isConnected() && m_programBus->isConnected());
        ASSERT_TRUE(m_daemonBus->registerVirtualObject(kPath, &m_daemon));
        ASSERT_TRUE(m_daemonBus->registerService(kService));
        m_notifications = std::make_unique<DesktopNotifications>(*m_programBus);
        ASSERT_TRUE(m_notifications->available());
    }
    void TearDown() override
    {
        m_notifications.reset();
        m_daemonBus.reset();
        m_programBus.reset();
        QDBusConnection::disconnectFromBus(m_daemonName);
        QDBusConnection::disconnectFromBus(m_programName);
        testing_support::stopProcess(m_busDaemon);
    }
    // Shows a balloon and waits for the daemon's answer to reach the program.
    void show(const char* title, DesktopNotifications::Kind kind, platform::BalloonOptions options)
    {
        const std::size_t before = m_daemon.notes.size();
        ASSERT_TRUE(m_notifications->show(
            QString::fromUtf8(title), QStringLiteral("MyISP"), kind, 10000, options));
        ASSERT_TRUE(runEventsUntil([&] {
            return m_daemon.notes.size() > before && m_notifications->shownId(options.group) != 0;
        }));
    }
    void emitSignal(const char* member, const QList<QVariant>& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, QLatin1String(member));
        signal.setArguments(arguments);
        m_daemonBus->send(signal);
    }

    QProcess m_busDaemon;
    QString m_daemonName;
    QString m_programName;
    std::unique_ptr<QDBusConnection> m_daemonBus;
    std::unique_ptr<QDBusConnection> m_programBus;
    DaemonStandIn m_daemon;
    std::unique_ptr<DesktopNotifications> m_notifications;
};

// Guards against the provider's cut-off ("Disconnected") taking away the warning that explains it.
TEST_F(Notifications, APlanWarningIsNeverReplacedByAConnectionNotice)
{
    using Kind = DesktopNotifications::Kind;
    show("Connected", Kind::Information, {});
    const uint connected = m_notifications->shownId(BalloonGroup::Connection);
    show("Data plan: 80% reached", Kind::Warning, { BalloonGroup::Plan, false });
    const uint warning = m_notifications->shownId(BalloonGroup::Plan);
    EXPECT_NE(warning, connected);
    EXPECT_EQ(m_daemon.notes[1].replaces, 0u) << "a notification of its own";

    show("Disconnected", Kind::Error, {});
    EXPECT_EQ(m_daemon.notes[2].replaces, connected) << "connection notices replace each other";
    show("Data plan: 100% reached", Kind::Warning, { BalloonGroup::Plan, true });
    EXPECT_EQ(m_daemon.notes[3].replaces, warning) << "plan warnings replace each other";

    // What the tray sends before each balloon: the group's own is closed, not the other's.
    m_notifications->close(BalloonGroup::Connection);
    ASSERT_TRUE(runEventsUntil([&] { return !m_daemon.closed.empty(); }));
    EXPECT_EQ(m_daemon.closed, std::vector<uint> { connected });
    EXPECT_EQ(m_notifications->shownId(BalloonGroup::Plan), warning);
}

TEST_F(Notifications, TheLimitIsCriticalAndStaysTheOthersAreNormalAndExpire)
{
    using Kind = DesktopNotifications::Kind;
    show("Disconnected", Kind::Error, {});
    show("Data plan: 80% reached", Kind::Warning, { BalloonGroup::Plan, false });
    show("Data plan: 100% reached", Kind::Warning, { BalloonGroup::Plan, true });
    ASSERT_EQ(m_daemon.notes.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(m_daemon.notes[i].summary.toStdString());
        EXPECT_EQ(m_daemon.notes[i].urgency, 1) << "normal";
        EXPECT_EQ(m_daemon.notes[i].expires, 10000);
    }
    EXPECT_EQ(m_daemon.notes[1].icon, QStringLiteral("dialog-warning"));
    EXPECT_EQ(m_daemon.notes[2].urgency, 2) << "critical";
    EXPECT_EQ(m_daemon.notes[2].expires, 0) << "until the user closes it";
}

TEST_F(Notifications, AClickOnEitherGroupsNotificationIsReportedAndAClosedOneForgotten)
{
    using Kind = DesktopNotifications::Kind;
    int clicks = 0;
    m_notifications->onClicked = [&clicks] { ++clicks; };
    show("Connected", Kind::Information, {});
    show("Data plan: 100% reached", Kind::Warning, { BalloonGroup::Plan, true });
    const uint connected = m_notifications->shownId(BalloonGroup::Connection);
    const uint limit = m_notifications->shownId(BalloonGroup::Plan);
    emitSignal("ActionInvoked", { limit, QStringLiteral("default") });
    EXPECT_TRUE(runEventsUntil([&] { return clicks == 1; }));
    emitSignal("ActionInvoked", { connected, QStringLiteral("default") });
    EXPECT_TRUE(runEventsUntil([&] { return clicks == 2; }));

    emitSignal("NotificationClosed", { limit, 2u });
    EXPECT_TRUE(runEventsUntil([&] { return m_notifications->shownId(BalloonGroup::Plan) == 0; }));
    EXPECT_EQ(m_notifications->shownId(BalloonGroup::Connection), connected);
}

} // namespace
