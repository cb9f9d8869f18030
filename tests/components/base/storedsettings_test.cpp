// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/base/storedsettings.h"
#include "platform/win/winreg.h"
#include "tests/support/scratchruntime.h"

#include <QSet>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using namespace win;

namespace {

std::string nameOf(const settings::Setting& setting)
{
    return std::string(setting.section) + "_" + std::string(setting.name);
}

} // namespace

namespace settings {

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const Setting& setting, std::ostream* out)
{
    *out << setting.section << '\\' << setting.name;
}

} // namespace settings

namespace {

// The registry type and raw bytes of a value, read past the settings store.
struct RawValue
{
    LONG result = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::string data;
};

RawValue rawValue(const settings::Setting& setting)
{
    RawValue raw;
    HKEY key = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::keyPath(setting).c_str(), 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return raw;
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    raw.result = RegQueryValueExA(key, std::string(setting.name).c_str(), nullptr, &raw.type,
        reinterpret_cast<BYTE*>(buffer), &size);
    raw.data.assign(buffer, size);
    RegCloseKey(key);
    return raw;
}

class StoredSettings : public testing::TestWithParam<settings::Setting>
{
protected:
    StoredSettings() { settings::useMonitorKey(m_store); }

    testing_support::ScratchRuntime m_runtime;
    TMyReg m_store;
};

TEST_P(StoredSettings, EmptyStoreGivesTheDefault)
{
    const settings::Setting& setting = GetParam();
    switch (setting.type) {
    case settings::Type::Integer:
        EXPECT_EQ(settings::readInteger(m_store, setting), setting.number);
        break;
    case settings::Type::Bool:
        EXPECT_EQ(settings::readBool(m_store, setting), setting.number != 0);
        break;
    case settings::Type::String:
        EXPECT_EQ(settings::readString(m_store, setting).toStdString(), setting.text);
        break;
    }
    EXPECT_EQ(rawValue(setting).result, ERROR_FILE_NOT_FOUND) << "a read never writes";
}

TEST_P(StoredSettings, RoundTripsThroughTheRegistryWithItsType)
{
    const settings::Setting& setting = GetParam();
    RawValue raw;
    switch (setting.type) {
    case settings::Type::Integer:
        settings::writeInteger(m_store, setting, setting.number - 12345);
        EXPECT_EQ(settings::readInteger(m_store, setting), setting.number - 12345);
        raw = rawValue(setting);
        EXPECT_EQ(raw.type, DWORD(REG_DWORD));
        break;
    case settings::Type::Bool:
        settings::writeBool(m_store, setting, setting.number == 0);
        EXPECT_EQ(settings::readBool(m_store, setting), setting.number == 0);
        raw = rawValue(setting);
        EXPECT_EQ(raw.type, DWORD(REG_DWORD));
        EXPECT_EQ(raw.data, std::string(setting.number == 0 ? "\1\0\0\0" : "\0\0\0\0", 4));
        break;
    case settings::Type::String:
        settings::writeString(m_store, setting, QStringLiteral("Ünïcode \r 1e+15"));
        EXPECT_EQ(settings::readString(m_store, setting), QStringLiteral("Ünïcode \r 1e+15"));
        raw = rawValue(setting);
        EXPECT_EQ(raw.type, DWORD(REG_SZ));
        break;
    }
    EXPECT_EQ(raw.result, ERROR_SUCCESS) << "stored under the section's key by its own name";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, StoredSettings, testing::ValuesIn(settings::kTable),
    [](const testing::TestParamInfo<settings::Setting>& row) { return nameOf(row.param); });

// Guards against two rows that the registry would take for one value: names match without
// regard to case, and code finds a row by its name alone.
TEST(StoredSettingsTable, NamesAreUniqueWithoutRegardToCase)
{
    QSet<QString> names;
    for (const settings::Setting& setting : settings::kTable) {
        const QString name
            = QString::fromLatin1(setting.name.data(), static_cast<qsizetype>(setting.name.size()))
                  .toLower();
        EXPECT_FALSE(names.contains(name)) << setting.name;
        names.insert(name);
    }
}

TEST(StoredSettingsTable, KeysFindTheirRowWithItsType)
{
    static_assert(
        std::is_same_v<decltype(settings::key<"MonLeft">), const settings::Key<std::int32_t>>);
    static_assert(
        std::is_same_v<decltype(settings::key<"ShowMonitor">), const settings::Key<bool>>);
    static_assert(
        std::is_same_v<decltype(settings::key<"LastConn">), const settings::Key<QString>>);
    EXPECT_EQ(settings::key<"MonAlpha">.setting.section, "option");
    EXPECT_EQ(settings::key<"MonAlpha">.setting.number, 120);
    EXPECT_EQ(
        settings::describe(settings::key<"TotalSent">.setting), QStringLiteral("Stats\\TotalSent"));
}

// Guards against a default that code holds before the first read drifting from the one the read
// falls back to: both come from the row.
TEST(StoredSettingsTable, FallbacksAreWhatAnEmptyStoreReads)
{
    static_assert(std::is_same_v<decltype(settings::fallback<"AntiIdleBytes">()), std::int32_t>);
    static_assert(std::is_same_v<decltype(settings::fallback<"ShowMonitor">()), bool>);
    static_assert(std::is_same_v<decltype(settings::fallback<"AntiIdleWeb">()), std::string_view>);
    testing_support::ScratchRuntime runtime;
    TMyReg store;
    settings::useMonitorKey(store);
    EXPECT_EQ(settings::read<"AntiIdleBytes">(store), settings::fallback<"AntiIdleBytes">());
    EXPECT_EQ(settings::read<"AntiIdleTimer">(store), settings::fallback<"AntiIdleTimer">());
    EXPECT_EQ(settings::read<"ShowMonitor">(store), settings::fallback<"ShowMonitor">());
    EXPECT_EQ(
        settings::read<"AntiIdleWeb">(store).toStdString(), settings::fallback<"AntiIdleWeb">());
    EXPECT_EQ(settings::keyPath(settings::find<"MonAlpha">()),
        "Software\\Orvik Software\\Vantrel\\option");
}

TEST(StoredSettingsTable, KeysReadAndWriteTheRowsValue)
{
    testing_support::ScratchRuntime runtime;
    TMyReg store;
    settings::useMonitorKey(store);
    EXPECT_EQ(settings::read<"MonLeft">(store), 300);
    settings::write<"MonLeft">(store, -40);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Position"), QStringLiteral("MonLeft"), 0), -40);
    settings::write<"ShowMonitor">(store, false);
    EXPECT_FALSE(settings::read<"ShowMonitor">(store));
    settings::write<"LastConn">(store, QStringLiteral("MyISP"));
    EXPECT_EQ(settings::read<"LastConn">(store), QStringLiteral("MyISP"));
    EXPECT_EQ(store.RegPath(), QStringLiteral("\\Software\\Orvik Software\\Vantrel\\"));
}

} // namespace
