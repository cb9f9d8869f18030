// SPDX-License-Identifier: GPL-3.0-or-later
#include "networkmanager.h"

#include "dialstates.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <utility>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kBluetoothInterface
    = QStringLiteral("org.freedesktop.NetworkManager.Device.Bluetooth");
const QString kActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr unsigned kBluetoothDevice = 5;
constexpr int kStartTimeoutMs = 2000;

QString pathOf(const QVariant& value)
{
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

QStringList pathsOf(const QVariant& value)
{
    QStringList paths;
    if (value.canConvert<QDBusArgument>()) {
        for (const auto& path : qdbus_cast<QList<QDBusObjectPath>>(value.value<QDBusArgument>()))
            paths << path.path();
    } else {
        for (const auto& path : value.value<QList<QDBusObjectPath>>())
            paths << path.path();
    }
    return paths;
}

QVariantMap mapOf(const QVariant& value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

// D-Bus values turned into plain ones once, as they arrive: object paths into text, the state
// and reason pair into its reason alone.
QVariantMap plain(const QVariantMap& properties)
{
    QVariantMap result;
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString& name = it.key();
        if (name == QLatin1String("ActiveConnection")) {
            result.insert(name, pathOf(it.value()));
        } else if (name == QLatin1String("StateReason")) {
            if (it.value().canConvert<QDBusArgument>()) {
                const QDBusArgument argument = it.value().value<QDBusArgument>();
                uint state = 0;
                uint reason = 0;
                argument.beginStructure();
                argument >> state >> reason;
                argument.endStructure();
                result.insert(QStringLiteral("Reason"), reason);
            }
        } else if (name == QLatin1String("Devices")) {
            result.insert(name, pathsOf(it.value()));
        } else if (it.value().canConvert<QDBusArgument>()) {
            continue; // structures this client has no use for
        } else {
            result.insert(name, it.value());
        }
    }
    return result;
}

std::string utf8(const QVariant& value)
{
    return value.toString().toStdString();
}

} // namespace

NetworkManagerClient::NetworkManagerClient(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

std::unique_ptr<NetworkManagerClient> NetworkManagerClient::connect(
    const QDBusConnection& bus, std::string& why)
{
    if (!bus.isConnected()) {
        const QString error = bus.lastError().message();
        why = "no system bus"
            + (error.isEmpty() ? std::string() : " (" + error.toStdString() + ")");
        return nullptr;
    }
    if (!bus.interface() || !bus.interface()->isServiceRegistered(kService).value()) {
        why = "the service org.freedesktop.NetworkManager is not running";
        return nullptr;
    }
    std::unique_ptr<NetworkManagerClient> client(new NetworkManagerClient(bus));
    if (!client->load(why))
        return nullptr;
    return client;
}

bool NetworkManagerClient::load(std::string& why)
{
    // Listening first: a change made while the first reads run is not lost.
    m_bus.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QDBusMessage)));
    m_bus.connect(kService, QString(), kDeviceInterface, QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QDBusMessage)));
    m_bus.connect(kService, QString(), kDeviceInterface, QStringLiteral("StateChanged"), this,
        SLOT(deviceStateChanged(QDBusMessage)));
    m_bus.connect(kService, kManagerPath, kManagerInterface, QStringLiteral("DeviceAdded"), this,
        SLOT(deviceAdded(QDBusMessage)));
    m_bus.connect(kService, kManagerPath, kManagerInterface, QStringLiteral("DeviceRemoved"), this,
        SLOT(deviceRemoved(QDBusMessage)));
    auto* watcher = new QDBusServiceWatcher(kService, m_bus,
        QDBusServiceWatcher::WatchForUnregistration | QDBusServiceWatcher::WatchForRegistration,
        this);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this,
        &NetworkManagerClient::serviceGone);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        std::string ignored;
        readAll(ignored);
    });
    return readAll(why);
}

bool NetworkManagerClient::readAll(std::string& why)
{
    const auto getAll = [this](const QString& path, const QString& interface, QString& error) {
        auto call = QDBusMessage::createMethodCall(kService, path, kProperties, "GetAll");
        call << interface;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, kStartTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            error = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
            return QVariantMap();
        }
        return plain(mapOf(reply.arguments().first()));
    };
    QString error;
    auto call = QDBusMessage::createMethodCall(kService, kManagerPath, kProperties, "Get");
    call << kManagerInterface << QStringLiteral("Devices");
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kStartTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        why = "NetworkManager did not answer: "
            + (reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage())
                  .toStdString();
        return false;
    }
    const QVariant devices = reply.arguments().first().value<QDBusVariant>().variant();
    m_devices.clear();
    m_objects.clear();
    for (const QString& path : pathsOf(devices)) {
        QVariantMap device = getAll(path, kDeviceInterface, error);
        if (device.isEmpty())
            continue; // gone in between
        if (device.value(QStringLiteral("DeviceType")).toUInt() == kBluetoothDevice)
            device.insert(getAll(path, kBluetoothInterface, error));
        m_devices.insert(path);
        m_objects[path] = device;
        const QString active = device.value(QStringLiteral("ActiveConnection")).toString();
        if (!active.isEmpty() && active != QLatin1String("/") && !m_objects.contains(active))
            m_objects[active] = getAll(active, kActiveInterface, error);
    }
    rememberConnections();
    m_changed = true;
    return true;
}

void NetworkManagerClient::fetch(const QString& path, const QString& interface)
{
    auto call = QDBusMessage::createMethodCall(kService, path, kProperties, "GetAll");
    call << interface;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, path](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            const QDBusPendingReply<QVariantMap> reply = *finished;
            if (reply.isError())
                return; // gone before it could be read
            merge(path, plain(reply.value()));
        });
}

void NetworkManagerClient::merge(const QString& path, const QVariantMap& properties)
{
    QVariantMap& object = m_objects[path];
    const bool isDevice = m_devices.contains(path);
    if (isDevice && properties.contains(QStringLiteral("State"))) {
        const unsigned state = properties.value(QStringLiteral("State")).toUInt();
        const unsigned reason
            = properties.value(QStringLiteral("Reason"), object.value(QStringLiteral("Reason")))
                  .toUInt();
        noteState(path, state, reason);
    }
    for (auto it = properties.begin(); it != properties.end(); ++it)
        object.insert(it.key(), it.value());
    if (isDevice) {
        const QString active = object.value(QStringLiteral("ActiveConnection")).toString();
        if (!active.isEmpty() && active != QLatin1String("/") && !m_objects.contains(active))
            fetch(active, kActiveInterface);
        if (object.value(QStringLiteral("DeviceType")).toUInt() == kBluetoothDevice
            && !object.contains(QStringLiteral("Name")) && properties.contains("DeviceType"))
            fetch(path, kBluetoothInterface);
    }
    rememberConnections();
    m_changed = true;
}

void NetworkManagerClient::rememberConnections()
{
    for (const QString& device : m_devices) {
        const QString active
            = m_objects[device].value(QStringLiteral("ActiveConnection")).toString();
        const auto found = m_objects.find(active);
        if (found != m_objects.end() && found->second.contains(QStringLiteral("Id")))
            m_lastConnection[device] = { utf8(found->second.value(QStringLiteral("Id"))),
                utf8(found->second.value(QStringLiteral("Type"))) };
    }
}

void NetworkManagerClient::noteState(const QString& path, unsigned state, unsigned reason)
{
    QVariantMap& object = m_objects[path];
    const bool same = object.contains(QStringLiteral("State"))
        && object.value(QStringLiteral("State")).toUInt() == state;
    object.insert(QStringLiteral("State"), state);
    object.insert(QStringLiteral("Reason"), reason);
    m_changed = true;
    if (same || state != nmstate::kFailed)
        return;
    ManagedLink failed = linkOf(path, object);
    if (!failed.connection.empty())
        m_failed.push_back(std::move(failed));
}

ManagedLink NetworkManagerClient::linkOf(const QString& path, const QVariantMap& device) const
{
    ManagedLink link;
    link.device = path.toStdString();
    const QString ipInterface = device.value(QStringLiteral("IpInterface")).toString();
    link.interface = utf8(
        ipInterface.isEmpty() ? device.value(QStringLiteral("Interface")) : QVariant(ipInterface));
    const QString active = device.value(QStringLiteral("ActiveConnection")).toString();
    const auto found = m_objects.find(active);
    if (found != m_objects.end() && found->second.contains(QStringLiteral("Id"))) {
        link.connection = utf8(found->second.value(QStringLiteral("Id")));
        link.connectionType = utf8(found->second.value(QStringLiteral("Type")));
    } else if (const auto last = m_lastConnection.find(path); last != m_lastConnection.end()) {
        link.connection = last->second.first;
        link.connectionType = last->second.second;
    }
    const QString name = device.value(QStringLiteral("Name")).toString();
    link.deviceName = utf8(name.isEmpty() ? device.value(QStringLiteral("Driver")) : name);
    link.deviceState = device.value(QStringLiteral("State")).toUInt();
    link.stateReason = device.value(QStringLiteral("Reason")).toUInt();
    return link;
}

void NetworkManagerClient::update()
{
    if (!m_changed)
        return;
    m_links.clear();
    for (const QString& path : m_devices) {
        const QVariantMap& device = m_objects[path];
        const unsigned state = device.value(QStringLiteral("State")).toUInt();
        if (state < nmstate::kPrepare || state > nmstate::kDeactivating)
            continue;
        ManagedLink link = linkOf(path, device);
        if (!link.connection.empty())
            m_links.push_back(std::move(link));
    }
    // A failure is reported by this update alone; the next one rebuilds without it.
    m_changed = !m_failed.empty();
    for (auto& failed : m_failed)
        m_links.push_back(std::move(failed));
    m_failed.clear();
}

void NetworkManagerClient::propertiesChanged(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    const bool standard = message.interface() == kProperties;
    if (arguments.size() < (standard ? 2 : 1))
        return;
    const QVariantMap changed = plain(mapOf(arguments.at(standard ? 1 : 0)));
    const QString path = message.path();
    if (path == kManagerPath) {
        if (!changed.contains(QStringLiteral("Devices")))
            return;
        const QStringList now = changed.value(QStringLiteral("Devices")).toStringList();
        for (const QString& device : now) {
            if (!m_devices.contains(device)) {
                m_devices.insert(device);
                fetch(device, kDeviceInterface);
            }
        }
        for (const QString& device : QSet<QString>(m_devices)) {
            if (!now.contains(device)) {
                m_devices.remove(device);
                m_objects.erase(device);
            }
        }
        m_changed = true;
        return;
    }
    if (m_devices.contains(path) || m_objects.contains(path))
        merge(path, changed);
}

void NetworkManagerClient::deviceStateChanged(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 3 || !m_devices.contains(message.path()))
        return;
    noteState(message.path(), arguments.at(0).toUInt(), arguments.at(2).toUInt());
}

void NetworkManagerClient::deviceAdded(const QDBusMessage& message)
{
    if (message.arguments().isEmpty())
        return;
    const QString path = pathOf(message.arguments().first());
    if (m_devices.contains(path))
        return;
    m_devices.insert(path);
    fetch(path, kDeviceInterface);
}

void NetworkManagerClient::deviceRemoved(const QDBusMessage& message)
{
    if (message.arguments().isEmpty())
        return;
    const QString path = pathOf(message.arguments().first());
    m_devices.remove(path);
    m_objects.erase(path);
    m_changed = true;
}

void NetworkManagerClient::serviceGone()
{
    // Without the service nothing it said holds; the links fall back to the kernel's facts.
    m_devices.clear();
    m_objects.clear();
    m_changed = true;
}

} // namespace platform
