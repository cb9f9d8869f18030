// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linkmanager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <map>
#include <memory>

namespace platform {

// NetworkManager over D-Bus. Nothing here waits on the bus: the devices and their active
// connections are read with asynchronous calls whenever the service appears (at start, or when
// it starts later), then the service's signals are followed: a changed property is taken from
// the signal itself, a new object is read with another asynchronous call, and update() only
// turns what has arrived into links. Every value is checked for its D-Bus type before it is
// read; one of another type is taken as missing.
class NetworkManagerClient final : public QObject, public LinkManager
{
    Q_OBJECT

public:
    // A client of the service on `bus`, whether it runs yet or not; null with `why` set when
    // there is no bus.
    static std::unique_ptr<NetworkManagerClient> connect(
        const QDBusConnection& bus, std::string& why);

    void update() override;
    const std::vector<ManagedLink>& links() const override { return m_links; }
    std::string absence() const override { return m_absence; }
    bool settling() const override;

private:
    Q_SLOT void propertiesChanged(const QDBusMessage& message);
    Q_SLOT void deviceStateChanged(const QDBusMessage& message);
    Q_SLOT void deviceAdded(const QDBusMessage& message);
    Q_SLOT void deviceRemoved(const QDBusMessage& message);

    explicit NetworkManagerClient(QDBusConnection bus);
    void follow();
    // Forgets what the service said and, when it is there, asks it again.
    void restart(bool present);
    // Calls `method` of the properties interface on `path` without waiting; `answered` gets the
    // reply when it comes from the service as it is now (not from one that has since left).
    void ask(const QString& path, const QString& method, const QList<QVariant>& arguments,
        std::function<void(const QDBusMessage&)> answered);
    void listDevices();
    // Reads an object's properties of `interface`; merged when they come.
    void fetch(const QString& path, const QString& interface);
    void merge(const QString& path, const QVariantMap& properties);
    void addDevice(const QString& path);
    void removeDevice(const QString& path);
    void rememberConnections();
    void noteState(const QString& path, unsigned state, unsigned reason);
    ManagedLink linkOf(const QString& path, const QVariantMap& device) const;

    QDBusConnection m_bus;
    unsigned m_generation = 0; // counts the service's comings and goings
    int m_pending = 0; // calls of this generation not yet answered
    QElapsedTimer m_firstAnswers; // valid from the service's arrival until all it was asked came
    std::string m_absence;
    QSet<QString> m_devices;
    QSet<QString> m_incomplete; // devices whose properties have not all come yet
    std::map<QString, QVariantMap> m_objects; // properties by object path
    // The connection each device last had, kept so that a failed activation can still be named
    // after its active connection is gone.
    std::map<QString, std::pair<std::string, std::string>> m_lastConnection;
    std::vector<ManagedLink> m_failed; // failures since the last update
    std::vector<ManagedLink> m_links;
    bool m_changed = true;
};

} // namespace platform
