// SPDX-License-Identifier: GPL-3.0-or-later
#include "networkmanager.h"

#include "dialstates.h"
#include "platform/logging.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
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
// How long a service that has just appeared is waited for before its links are shown without
// its names; a device that never answers cannot hold them back longer.
constexpr qint64 kSettleMs = 3000;

// The properties this client reads, each with the only D-Bus type it accepts.
struct Property
{
    const char* name;
    const char* signature;
};
constexpr Property kUsed[] = {
    { "State", "u" },
    { "StateReason", "(uu)" },
    { "DeviceType", "u" },
    { "Interface", "s" },
    { "IpInterface", "s" },
    { "Driver", "s" },
    { "Name", "s" },
    { "ActiveConnection", "o" },
    { "Devices", "ao" },
    { "Id", "s" },
    { "Type", "s" },
};

// The D-Bus type of a value as Qt D-Bus hands it over: basic values and object paths as
// themselves, containers as an argument still to be read.
QString signatureOf(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDBusArgument>())
        return value.value<QDBusArgument>().currentSignature();
    const char* signature = QDBusMetaType::typeToSignature(value.metaType());
    return signature ? QString::fromLatin1(signature) : QString();
}

QStringList pathsOf(const QVariant& value)
{
    QStringList paths;
    for (const auto& path : qdbus_cast<QList<QDBusObjectPath>>(value.value<QDBusArgument>()))
        paths << path.path();
    return paths;
}

// The a{sv} in `value`; empty when it is anything else.
QVariantMap mapOf(const QVariant& value)
{
    if (signatureOf(value) != QLatin1String("a{sv}"))
        return {};
    return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
}

// The properties this client uses, each of its own type, turned into plain values once, as they
// arrive: object paths into text, the state and reason pair into its reason alone. The others,
// and a used one of another type, are left out.
QVariantMap plain(const QVariantMap& properties)
{
    QVariantMap result;
    for (const Property& used : kUsed) {
        const QString name = QLatin1String(used.name);
        const auto found = properties.constFind(name);
        if (found == properties.constEnd() || signatureOf(*found) != QLatin1String(used.signature))
            continue;
        if (name == QLatin1String("ActiveConnection")) {
            result.insert(name, found->value<QDBusObjectPath>().path());
        } else if (name == QLatin1String("StateReason")) {
            const QDBusArgument argument = found->value<QDBusArgument>();
            uint state = 0;
            uint reason = 0;
            argument.beginStructure();
            argument >> state >> reason;
            argument.endStructure();
            result.insert(QStringLiteral("Reason"), reason);
        } else if (name == QLatin1String("Devices")) {
            result.insert(name, pathsOf(*found));
        } else {
            result.insert(name, *found);
        }
    }
    return result;
}

std::string utf8(const QVariant& value)
{
    return value.toString().toStdString();
}

bool isObject(const QString& path)
{
    return !path.isEmpty() && path != QLatin1String("/");
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
    std::unique_ptr<NetworkManagerClient> client(new NetworkManagerClient(bus));
    client->follow();
    return client;
}

void NetworkManagerClient::follow()
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
    auto* watcher
        = new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString&, const QString& owner) {
            qCInfo(lcPlatform) << (owner.isEmpty() ? "NetworkManager left the system bus"
                                                   : "NetworkManager is on the system bus");
            restart(!owner.isEmpty());
        });
    restart(true);
}

void NetworkManagerClient::restart(bool present)
{
    // Without the service nothing it said holds; the links fall back to the kernel's facts.
    ++m_generation;
    m_pending = 0;
    m_devices.clear();
    m_incomplete.clear();
    m_objects.clear();
    m_changed = true;
    m_absence = "the service " + kService.toStdString() + " is not running";
    m_firstAnswers.invalidate();
    if (present) {
        m_firstAnswers.start();
        listDevices();
    }
}

bool NetworkManagerClient::settling() const
{
    return m_firstAnswers.isValid() && m_firstAnswers.elapsed() < kSettleMs;
}

void NetworkManagerClient::ask(const QString& path, const QString& method,
    const QList<QVariant>& arguments, std::function<void(const QDBusMessage&)> answered)
{
    auto call = QDBusMessage::createMethodCall(kService, path, kProperties, method);
    call.setArguments(arguments);
    // A call must not start the service: it is followed when it starts by itself.
    call.setAutoStartService(false);
    ++m_pending;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, generation = m_generation, answered = std::move(answered)](
            QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            if (generation != m_generation)
                return; // an answer of a service that has left since
            answered(finished->reply());
            if (--m_pending == 0)
                m_firstAnswers.invalidate();
        });
}

void NetworkManagerClient::listDevices()
{
    ask(kManagerPath, QStringLiteral("Get"), { kManagerInterface, QStringLiteral("Devices") },
        [this](const QDBusMessage& reply) {
            if (reply.type() != QDBusMessage::ReplyMessage) {
                const QString error = reply.errorName();
                if (error != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
                    && error != QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
                    m_absence = "NetworkManager did not answer: "
                        + (reply.errorMessage().isEmpty() ? error : reply.errorMessage())
                              .toStdString();
                qCInfo(lcPlatform).noquote()
                    << "NetworkManager is not used, links are named after their interfaces:"
                    << QString::fromStdString(m_absence);
                return;
            }
            m_absence.clear();
            const QVariant devices = reply.signature() == QLatin1String("v")
                ? reply.arguments().first().value<QDBusVariant>().variant()
                : QVariant();
            if (signatureOf(devices) != QLatin1String("ao"))
                return; // a manager without devices we could read
            for (const QString& path : pathsOf(devices))
                addDevice(path);
        });
}

void NetworkManagerClient::fetch(const QString& path, const QString& interface)
{
    ask(path, QStringLiteral("GetAll"), { interface },
        [this, path, interface](const QDBusMessage& reply) {
            // Unread, the object is gone or its answer no answer to read.
            const bool read = reply.type() == QDBusMessage::ReplyMessage
                && reply.signature() == QLatin1String("a{sv}")
                && (m_devices.contains(path) || m_objects.contains(path));
            if (read)
                merge(path, plain(mapOf(reply.arguments().first())));
            // A Bluetooth device is read in two calls, the phone's name in the second.
            const auto device = m_objects.find(path);
            const bool nameToCome = read && interface == kDeviceInterface
                && device != m_objects.end()
                && device->second.value(QStringLiteral("DeviceType")).toUInt() == kBluetoothDevice
                && !device->second.contains(QStringLiteral("Name"));
            if (!nameToCome && m_incomplete.remove(path))
                m_changed = true;
        });
}

void NetworkManagerClient::addDevice(const QString& path)
{
    if (m_devices.contains(path))
        return;
    m_devices.insert(path);
    m_incomplete.insert(path);
    m_objects[path];
    fetch(path, kDeviceInterface);
}

void NetworkManagerClient::removeDevice(const QString& path)
{
    m_devices.remove(path);
    m_incomplete.remove(path);
    m_objects.erase(path);
    m_changed = true;
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
    const bool newDeviceType = isDevice && properties.contains(QStringLiteral("DeviceType"));
    for (auto it = properties.begin(); it != properties.end(); ++it)
        object.insert(it.key(), it.value());
    if (isDevice) {
        const QString active = object.value(QStringLiteral("ActiveConnection")).toString();
        if (isObject(active) && !m_objects.contains(active)) {
            m_objects[active];
            fetch(active, kActiveInterface);
        }
        if (newDeviceType && object.value(QStringLiteral("DeviceType")).toUInt() == kBluetoothDevice
            && !object.contains(QStringLiteral("Name")))
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
    // The first state read is where the device stands, not a change it went through.
    const bool change = object.contains(QStringLiteral("State"))
        && object.value(QStringLiteral("State")).toUInt() != state;
    object.insert(QStringLiteral("State"), state);
    object.insert(QStringLiteral("Reason"), reason);
    m_changed = true;
    if (!change || state != nmstate::kFailed)
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
        if (m_incomplete.contains(path))
            continue; // shown once all of it is read, not under a name it is about to lose
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
    const bool standard = message.interface() == kProperties;
    if (message.signature() != (standard ? QLatin1String("sa{sv}as") : QLatin1String("a{sv}")))
        return;
    const QVariantMap changed = plain(mapOf(message.arguments().at(standard ? 1 : 0)));
    const QString path = message.path();
    if (path == kManagerPath) {
        if (!changed.contains(QStringLiteral("Devices")))
            return;
        const QStringList now = changed.value(QStringLiteral("Devices")).toStringList();
        for (const QString& device : now)
            addDevice(device);
        for (const QString& device : QSet<QString>(m_devices)) {
            if (!now.contains(device))
                removeDevice(device);
        }
        m_changed = true;
        return;
    }
    if (m_devices.contains(path) || m_objects.contains(path))
        merge(path, changed);
}

void NetworkManagerClient::deviceStateChanged(const QDBusMessage& message)
{
    if (message.signature() != QLatin1String("uuu") || !m_devices.contains(message.path()))
        return;
    const QList<QVariant> arguments = message.arguments();
    noteState(message.path(), arguments.at(0).toUInt(), arguments.at(2).toUInt());
}

void NetworkManagerClient::deviceAdded(const QDBusMessage& message)
{
    if (message.signature() == QLatin1String("o"))
        addDevice(message.arguments().first().value<QDBusObjectPath>().path());
}

void NetworkManagerClient::deviceRemoved(const QDBusMessage& message)
{
    if (message.signature() == QLatin1String("o"))
        removeDevice(message.arguments().first().value<QDBusObjectPath>().path());
}

} // namespace platform
