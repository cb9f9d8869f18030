// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linkmanager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantMap>
#include <map>
#include <memory>

namespace platform {

// NetworkManager over D-Bus. It reads the devices and their active connections once, at
// start, then follows the service's signals: a changed property is taken from the signal
// itself, a new object is read with an asynchronous call, and update() only turns what has
// arrived into links. Nothing on the tick waits on the bus.
class NetworkManagerClient final : public QObject, public LinkManager
{
    Q_OBJECT

public:
    // A client of the service on `bus`; null with `why` set when the service cannot be used
    // (no bus, no service, access refused).
    static std::unique_ptr<NetworkManagerClient> connect(
        const QDBusConnection& bus, std::string& why);

    void update() override;
    const std::vector<ManagedLink>& links() const override { return m_links; }

private:
    Q_SLOT void propertiesChanged(const QDBusMessage& message);
    Q_SLOT void deviceStateChanged(const QDBusMessage& message);
    Q_SLOT void deviceAdded(const QDBusMessage& message);
    Q_SLOT void deviceRemoved(const QDBusMessage& message);
    Q_SLOT void serviceGone();

    explicit NetworkManagerClient(QDBusConnection bus);
    bool load(std::string& why);
    // Reads every device and its active connection, waiting for the answers; at start only.
    bool readAll(std::string& why);
    // Reads an object's properties of `interface` without waiting; merged when they come.
    void fetch(const QString& path, const QString& interface);
    void merge(const QString& path, const QVariantMap& properties);
    void rememberConnections();
    void noteState(const QString& path, unsigned state, unsigned reason);
    ManagedLink linkOf(const QString& path, const QVariantMap& device) const;

    QDBusConnection m_bus;
    QSet<QString> m_devices;
    std::map<QString, QVariantMap> m_objects; // properties by object path
    // The connection each device last had, kept so that a failed activation can still be named
    // after its active connection is gone.
    std::map<QString, std::pair<std::string, std::string>> m_lastConnection;
    std::vector<ManagedLink> m_failed; // failures since the last update
    std::vector<ManagedLink> m_shownFailures; // failures the last update reported
    std::vector<ManagedLink> m_links;
    bool m_changed = true;
};

} // namespace platform
