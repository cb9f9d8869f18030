// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "myreg.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

// Every value the monitor keeps in the registry, each declared once: section, name, type and
// default. Start-up, the statistics save, the close and the monitor window all read and write
// through this table, so a value cannot be read under one spelling or default and written under
// another. Adding a value is one row; a test checks every row against the real store.
namespace settings {

enum class Type { Integer, Bool, String };

struct Setting
{
    std::string_view section;
    std::string_view name;
    Type type;
    std::int32_t number; // the default of an Integer or a Bool
    std::string_view text; // the default of a String
};

constexpr Setting integer(std::string_view section, std::string_view name, std::int32_t fallback)
{
    return { section, name, Type::Integer, fallback, {} };
}
constexpr Setting boolean(std::string_view section, std::string_view name, bool fallback)
{
    return { section, name, Type::Bool, fallback ? 1 : 0, {} };
}
constexpr Setting text(std::string_view section, std::string_view name, std::string_view fallback)
{
    return { section, name, Type::String, 0, fallback };
}

// Below HKEY_CURRENT_USER; every section is a subkey of it.
inline constexpr std::string_view kRegPath = "\\Software\\Orvik Software\\Vantrel";
inline constexpr std::string_view kPosition = "Position";
inline constexpr std::string_view kStats = "Stats";
inline constexpr std::string_view kOption = "Option";
// The data plan for all connections. The plan of one entry name keeps the same values in a
// section of its own below kPlans (usage/planstore.h names it), read and written with readIn and
// writeIn.
inline constexpr std::string_view kPlan = "Plan";
inline constexpr std::string_view kPlans = "Plans";

// Names are unique across sections, so code names a value by its name alone. A new section
// (a data plan, say) is one more constant above and its rows below.
inline constexpr std::array kTable {
    // Window positions, written when the program closes.
    integer(kPosition, "MainTop", 50),
    integer(kPosition, "MainLeft", 50),
    integer(kPosition, "MonTop", 20),
    integer(kPosition, "MonLeft", 300),
    // The last connection and the totals as texts, written when a connection is saved.
    text(kStats, "LastConn", "N/A"),
    text(kStats, "LastSpeed", "0"),
    text(kStats, "LastSent", "0"),
    text(kStats, "LastRecv", "0"),
    text(kStats, "LastDuration", "0"),
    text(kStats, "TotalSent", "0"),
    text(kStats, "TotalRecv", "0"),
    text(kStats, "TotalDuration", "0"),
    text(kStats, "DateTimeOnline", "N/A"),
    // The menu's check marks, written when the program closes.
    boolean(kOption, "AlwaysOnTop", false),
    boolean(kOption, "MinimizeToTray", false),
    boolean(kOption, "StartMinimized", false),
    boolean(kOption, "LoadOnStartup", false),
    boolean(kOption, "SaveLog", false),
    boolean(kOption, "AntiIdle", false),
    boolean(kOption, "Sound", false),
    boolean(kOption, "ShowMonitor", true),
    boolean(kOption, "HideMonitor", false),
    boolean(kOption, "Transparent", false),
    // Read at start-up and never written: changed only by editing the registry.
    // IANA's example page has answered plain HTTP for decades; the fetch speaks no TLS.
    text(kOption, "AntiIdleWeb", "http://example.com/"),
    integer(kOption, "AntiIdleBytes", 81920),
    integer(kOption, "AntiIdleTimer", 300),
    integer(kOption, "MaxGraph", 0),
    integer(kOption, "MinGraph", 0),
    // Interfaces watched beside the point-to-point links: names and glob patterns, comma-separated.
    // Written by the link chooser; the Linux data source reads it below this layer.
    text(kOption, "Connections", ""),
    // The monitor's opacity has always been kept under the lower-case spelling of the section,
    // which names the same key.
    integer("option", "MonAlpha", 120),
    // A data plan: written by the Data Plan dialog (or by hand), read at start-up and when the
    // dialog saves. An empty limit is no plan.
    text(kPlan, "Limit", ""),
    text(kPlan, "Counts", "both"),
    text(kPlan, "Cycle", "monthly 1"),
    text(kPlan, "Thresholds", "80,100"),
    // The first day of the cycle and the thresholds already warned of in it, written as they are.
    text(kPlan, "Warned", ""),
};

// Points `store` at the monitor's own key, creating keys as values are written.
void useMonitorKey(TMyReg& store);

// A row's value read with its type's store operation: the default when the value is missing or
// not of the type. Writes go through the store, which drops failures.
std::int32_t readInteger(TMyReg& store, const Setting& setting);
bool readBool(TMyReg& store, const Setting& setting);
QString readString(TMyReg& store, const Setting& setting);
// The same in `section` instead of the row's own: a row kept once per entry name.
QString readString(TMyReg& store, const Setting& setting, const QString& section);
void writeInteger(TMyReg& store, const Setting& setting, std::int32_t value);
void writeBool(TMyReg& store, const Setting& setting, bool value);
void writeString(TMyReg& store, const Setting& setting, const QString& value);
void writeString(
    TMyReg& store, const Setting& setting, const QString& section, const QString& value);
// "Section\Name", for messages about a stored value.
QString describe(const Setting& setting);

template<std::size_t N>
struct Name
{
    // Implicit, so that a literal names a setting: key<"MonLeft">.
    consteval Name(const char (&literal)[N]) { std::copy_n(literal, N, chars); }
    constexpr std::string_view view() const { return { chars, N - 1 }; }
    char chars[N] {};
};

template<Type type>
using ValueOf = std::conditional_t<type == Type::Integer, std::int32_t,
    std::conditional_t<type == Type::Bool, bool, QString>>;

// A row checked at compile time, carrying its value type.
template<typename T>
struct Key
{
    const Setting& setting;
};

// By index, not by pointer: the sanitizers' null checks make a pointer test no constant.
template<Name name>
consteval std::size_t indexOf()
{
    std::size_t found = kTable.size();
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].name != name.view())
            continue;
        if (found != kTable.size())
            throw "a stored setting is named twice";
        found = i;
    }
    if (found == kTable.size())
        throw "no stored setting has this name";
    return found;
}

template<Name name>
consteval const Setting& find()
{
    return kTable[indexOf<name>()];
}

template<Name name>
inline constexpr Key<ValueOf<find<name>().type>> key { find<name>() };

inline std::int32_t read(TMyReg& store, Key<std::int32_t> key)
{
    return readInteger(store, key.setting);
}
inline bool read(TMyReg& store, Key<bool> key)
{
    return readBool(store, key.setting);
}
inline QString read(TMyReg& store, Key<QString> key)
{
    return readString(store, key.setting);
}
inline void write(TMyReg& store, Key<std::int32_t> key, std::int32_t value)
{
    writeInteger(store, key.setting, value);
}
inline void write(TMyReg& store, Key<bool> key, bool value)
{
    writeBool(store, key.setting, value);
}
inline void write(TMyReg& store, Key<QString> key, const QString& value)
{
    writeString(store, key.setting, value);
}

template<Name name>
auto read(TMyReg& store)
{
    return read(store, key<name>);
}

// A text row read and written in another section than its own (a data plan of one entry name).
template<Name name>
QString readIn(TMyReg& store, const QString& section)
{
    return readString(store, key<name>.setting, section);
}
template<Name name>
void writeIn(TMyReg& store, const QString& section, const QString& value)
{
    writeString(store, key<name>.setting, section, value);
}

template<Name name, typename T>
void write(TMyReg& store, const T& value)
{
    // Numbers and truth values convert into each other silently; a mix-up must not compile.
    static_assert(std::is_same_v<T, bool> == (find<name>().type == Type::Bool),
        "a check mark is stored from a bool, and only a check mark is");
    write(store, key<name>, value);
}

} // namespace settings
