// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "myreg.h"
#include "platform/settingstable.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <type_traits>

// The rows of platform/settingstable.h read and written through the settings store.
namespace settings {

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

// Sections below a section of the store's key (a data plan per entry name), which TMyReg neither
// lists nor removes. The monitor's settings live below HKEY_CURRENT_USER.
// The names of the sections directly below `section`.
QStringList subsections(const TMyReg& store, const QString& section);
// Removes `section` with everything below it.
void removeSection(const TMyReg& store, const QString& section);
// Whether the registry can hold `section`: each of its key names and its depth within bounds.
bool canHoldSection(const TMyReg& store, const QString& section);

template<Type type>
using ValueOf = std::conditional_t<type == Type::Integer, std::int32_t,
    std::conditional_t<type == Type::Bool, bool, QString>>;

// A row checked at compile time, carrying its value type.
template<typename T>
struct Key
{
    const Setting& setting;
};

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
