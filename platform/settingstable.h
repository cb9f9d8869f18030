// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Every value the monitor keeps in the registry, each declared once: section, name, type and
// default. Start-up, the statistics save, the close, the monitor window and the data source's
// list of watched interfaces all read and write through this table, so a value cannot be read
// under one spelling or default and written under another. Adding a value is one row; a test
// checks every row against the real store. The store operations are in
// components/base/storedsettings.h; this layer, below the settings store, keeps the rows only.
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
    // Written by the link chooser, read by the Linux data source at every tick.
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

template<std::size_t N>
struct Name
{
    // Implicit, so that a literal names a setting: key<"MonLeft">.
    consteval Name(const char (&literal)[N]) { std::copy_n(literal, N, chars); }
    constexpr std::string_view view() const { return { chars, N - 1 }; }
    char chars[N] {};
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

// The key of a row's section below HKEY_CURRENT_USER, as the registry functions take it.
inline std::string keyPath(const Setting& setting)
{
    std::string path(kRegPath.substr(1));
    return path.append("\\").append(setting.section);
}

// A row's default, typed as the row: what a reader holds before the store has been read.
template<Name name>
constexpr auto fallback()
{
    constexpr const Setting& setting = find<name>();
    if constexpr (setting.type == Type::Integer)
        return setting.number;
    else if constexpr (setting.type == Type::Bool)
        return setting.number != 0;
    else
        return setting.text;
}

} // namespace settings
