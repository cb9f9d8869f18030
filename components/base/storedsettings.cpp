// SPDX-License-Identifier: GPL-3.0-or-later
#include "storedsettings.h"

namespace settings {

namespace {

QString qt(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
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

} // namespace settings
