// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QVariantList>
#include <filesystem>
#include <memory>
#include <string>

namespace testing_support {

// python-dbusmock's NetworkManager, with this project's additions
// (tests/platform/nm_links_template.py), on a bus of its own in `folder`; for tests and
// benchmarks. Stops with the object.
class MockNetworkManager
{
public:
    explicit MockNetworkManager(const std::filesystem::path& folder);
    ~MockNetworkManager();
    MockNetworkManager(const MockNetworkManager&) = delete;
    MockNetworkManager& operator=(const MockNetworkManager&) = delete;

    // Why the mock is not there to test with; empty when it runs.
    const std::string& missing() const { return m_missing; }
    QDBusConnection& bus() { return *m_bus; }
    const QString& address() const { return m_address; }

    // One call of the mock's control interface, awaited; the error message, or empty.
    std::string control(const QString& method, const QVariantList& arguments);

    // Takes the service off the bus, as NetworkManager stopping does; the bus stays.
    void stopService();
    // Puts the service (anew, without the devices it had) on the bus; false when it did not come.
    bool startService();

private:
    QProcessEnvironment m_environment;
    QString m_address;
    QProcess m_daemon;
    QProcess m_mock;
    std::unique_ptr<QDBusConnection> m_bus;
    std::string m_missing;
};

} // namespace testing_support
