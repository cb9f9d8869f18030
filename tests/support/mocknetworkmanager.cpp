// SPDX-License-Identifier: GPL-3.0-or-later
#include "mocknetworkmanager.h"

#include "eventwait.h"
#include "process.h"
#include "tests/support/built.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>

namespace testing_support {

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");

bool serviceUp(const QDBusConnection& bus)
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(kService);
}

} // namespace

MockNetworkManager::MockNetworkManager(const std::filesystem::path& folder)
{
    if (!std::filesystem::exists("/usr/bin/dbus-daemon")) {
        m_missing = "dbus-daemon is not installed (scripts/setup --tests installs it)";
        return;
    }
    if (QProcess::execute("/usr/bin/python3", { "-c", "import dbusmock" }) != 0) {
        m_missing = "python3-dbusmock is not installed (scripts/setup --tests installs it)";
        return;
    }
    // A socket path, not an abstract one: reachable from other network namespaces too.
    const auto socket = folder / "bus";
    m_address = QString::fromStdString("unix:path=" + socket.string());
    // The daemon prints its address once it listens; the socket file is there a little earlier.
    m_daemon.start("/usr/bin/dbus-daemon",
        { "--config-file=/usr/share/dbus-1/session.conf", "--nofork", "--nopidfile",
            "--address=" + m_address, "--print-address=1" });
    const QDeadlineTimer deadline(20000);
    if (!runEventsUntil(
            [&] { return m_daemon.canReadLine(); }, static_cast<int>(deadline.remainingTime()))) {
        m_missing = "dbus-daemon did not start on " + m_address.toStdString();
        return;
    }
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("DBUS_SYSTEM_BUS_ADDRESS", m_address);
    static int count = 0;
    m_bus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(
        m_address, QStringLiteral("vantrel-nm-mock-%1").arg(++count)));
    if (!startService())
        m_missing = "the mock NetworkManager did not come up on " + m_address.toStdString()
            + (m_bus->isConnected()
                    ? std::string()
                    : "; the test's connection: " + m_bus->lastError().message().toStdString())
            + (m_mock.state() == QProcess::Running
                    ? std::string()
                    : "; python3 -m dbusmock ended with " + std::to_string(m_mock.exitCode()));
}

bool MockNetworkManager::startService()
{
    m_mock.setProcessEnvironment(m_environment);
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.start("/usr/bin/python3",
        { "-m", "dbusmock", "--system", "--template",
            (QString::fromUtf8(testing_support::built::sourceDir)
                + QStringLiteral("/tests/platform/nm_links_template.py")) });
    return runEventsUntil([&] { return serviceUp(*m_bus); }, 20000, 20);
}

void MockNetworkManager::stopService()
{
    stopProcess(m_mock);
    runEventsUntil([&] { return !serviceUp(*m_bus); }, 10000, 20);
}

MockNetworkManager::~MockNetworkManager()
{
    for (QProcess* process : { &m_mock, &m_daemon })
        stopProcess(*process);
    if (m_bus)
        QDBusConnection::disconnectFromBus(m_bus->name());
}

std::string MockNetworkManager::control(const QString& method, const QVariantList& arguments)
{
    auto call = QDBusMessage::createMethodCall(
        kService, "/org/freedesktop/NetworkManager", "org.freedesktop.DBus.Mock", method);
    call.setArguments(arguments);
    const QDBusMessage reply = m_bus->call(call);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {};
    return method.toStdString() + ": " + reply.errorMessage().toStdString();
}

} // namespace testing_support
