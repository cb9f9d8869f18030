// SPDX-License-Identifier: GPL-3.0-or-later
#include "storedsettings.h"

#include "platform/runtime.h"

namespace settings {

namespace {

QString qt(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

// The path below HKEY_CURRENT_USER of a section of the store's key.
QByteArray keyPath(const TMyReg& store, const QString& section)
{
    QString path = store.RegPath();
    while (path.startsWith(QLatin1Char('\\')))
        path.remove(0, 1);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    return (path + section).toUtf8();
}

} // namespace

void useMonitorKey(TMyReg& store)
{
    store.SetRegPath(qt(kRegPath));
    store.SetRegRootKey(kHKEY_CURRENT_USER);
    store.SetCanCreate(true);
}

std::int32_t readInteger(TMyReg& store, const Setting& setting)
{
    Q_ASSERT(setting.type == Type::Integer);
    return store.ReadInteger(qt(setting.section), qt(setting.name), setting.number);
}

bool readBool(TMyReg& store, const Setting& setting)
{
    Q_ASSERT(setting.type == Type::Bool);
    return store.ReadBool(qt(setting.section), qt(setting.name), setting.number != 0);
}

QString readString(TMyReg& store, const Setting& setting)
{
    return readString(store, setting, qt(setting.section));
}

QString readString(TMyReg& store, const Setting& setting, const QString& section)
{
    Q_ASSERT(setting.type == Type::String);
    return store.ReadString(section, qt(setting.name), qt(setting.text));
}

void writeInteger(TMyReg& store, const Setting& setting, std::int32_t value)
{
    Q_ASSERT(setting.type == Type::Integer);
    store.WriteInteger(qt(setting.section), qt(setting.name), value);
}

void writeBool(TMyReg& store, const Setting& setting, bool value)
{
    Q_ASSERT(setting.type == Type::Bool);
    store.WriteBool(qt(setting.section), qt(setting.name), value);
}

void writeString(TMyReg& store, const Setting& setting, const QString& value)
{
    writeString(store, setting, qt(setting.section), value);
}

void writeString(
    TMyReg& store, const Setting& setting, const QString& section, const QString& value)
{
    Q_ASSERT(setting.type == Type::String);
    store.WriteString(section, qt(setting.name), value);
}

QString describe(const Setting& setting)
{
    return qt(setting.section) + QLatin1Char('\\') + qt(setting.name);
}

QStringList subsections(const TMyReg& store, const QString& section)
{
    platform::Registry& registry = platform::Runtime::current().registry();
    QStringList names;
    win::HKEY key = 0;
    if (registry.openKey(
            win::HKEY_CURRENT_USER, keyPath(store, section).constData(), false, &key, nullptr)
        != win::ERROR_SUCCESS)
        return names;
    for (win::DWORD index = 0;; ++index) {
        char name[256];
        win::DWORD length = sizeof name;
        if (registry.enumKey(key, index, name, &length) != win::ERROR_SUCCESS)
            break;
        names << QString::fromUtf8(name, static_cast<qsizetype>(length));
    }
    registry.closeKey(key);
    return names;
}

void removeSection(const TMyReg& store, const QString& section)
{
    platform::Runtime::current().registry().deleteTree(
        win::HKEY_CURRENT_USER, keyPath(store, section).constData());
}

bool canHoldSection(const TMyReg& store, const QString& section)
{
    const QByteArray path = keyPath(store, section);
    return platform::RegistryStore::checkKeyPath(
               std::string_view(path.constData(), static_cast<std::size_t>(path.size())))
        == platform::StoreStatus::Ok;
}

} // namespace settings
