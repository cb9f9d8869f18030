// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/virtualregistry.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace regfile {

// One change a REGEDIT4 file asks for. Key paths are full ("HKEY_CURRENT_USER\Software\...");
// an empty value name is the key's default value ("@").
struct CreateKey
{
    std::string path;
};
struct DeleteKey
{
    std::string path;
};
struct SetValue
{
    std::string path;
    std::string name;
    platform::RegistryValue value;
};
struct DeleteValue
{
    std::string path;
    std::string name;
};
using Change = std::variant<CreateKey, DeleteKey, SetValue, DeleteValue>;

struct ParseError
{
    int line;
    std::string message;
};

// Reads a whole REGEDIT4 text; nothing is applied by parsing, so a bad file changes nothing. Key
// and value names are checked against the registry's bounds and must be exportable (below).
std::variant<std::vector<Change>, ParseError> parse(std::string_view text);

// Why a key or value name cannot be written to a REGEDIT4 file and read back (a line break or
// a NUL character); empty when it can.
std::string nameProblem(std::string_view name);
// A long name cut for a message.
std::string shortened(std::string_view name);

// The "REGEDIT4" header line and its blank line.
std::string header();
// "[path]" and the key's values, then a blank line. Text that a quoted string cannot carry
// exactly (no terminating NUL, embedded NULs or line breaks) is written as hex so that an
// import gives back the same bytes.
std::string keySection(std::string_view path,
    const std::vector<std::pair<std::string, platform::RegistryValue>>& values);
// One value line, without its line break.
std::string valueLine(std::string_view name, const platform::RegistryValue& value);

} // namespace regfile
