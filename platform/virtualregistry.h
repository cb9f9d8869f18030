// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win/types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RegistryValue
{
    win::DWORD type = 0;
    std::vector<win::BYTE> data;
};

// Whether root\path is computed by the data source instead of kept by the store: the dynamic
// statistics root, the performance-data root and the statistics keys of the local machine.
bool isComputedRegistryKey(win::HKEY root, std::string_view path);

// The content of the computed keys. Paths are relative to the root, components separated by
// backslashes, without leading or trailing backslash; names compare without regard to case.
class VirtualRegistry
{
public:
    virtual ~VirtualRegistry() = default;
    virtual bool keyExists(win::HKEY root, std::string_view path) const = 0;
    virtual std::vector<std::string> subKeys(win::HKEY root, std::string_view path) const = 0;
    virtual std::vector<std::string> valueNames(win::HKEY root, std::string_view path) const = 0;
    virtual std::optional<RegistryValue> value(
        win::HKEY root, std::string_view path, std::string_view name) const = 0;
};

} // namespace platform
