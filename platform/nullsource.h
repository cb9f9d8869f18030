// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datasource.h"

namespace platform {

// A machine without dial-up networking: no RAS, PDH or performance statistics, empty computed
// registry roots, the system clock and an NT 5.1 version record.
class NullSource final : public DataSource
{
public:
    std::string name() const override { return "none"; }
    Clock& clock() override { return m_clock; }
    OsVersion osVersion() const override { return {}; }
    bool providesModule(std::string_view module) const override;
    bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const override;
    std::vector<win::BYTE> moduleVersionResource(std::string_view) const override { return {}; }
    VirtualRegistry& virtualRegistry() override { return m_registry; }

private:
    class EmptyRegistry final : public VirtualRegistry
    {
    public:
        bool keyExists(win::HKEY, std::string_view) const override { return false; }
        std::vector<std::string> subKeys(win::HKEY, std::string_view) const override { return {}; }
        std::vector<std::string> valueNames(win::HKEY, std::string_view) const override
        {
            return {};
        }
        std::optional<RegistryValue> value(
            win::HKEY, std::string_view, std::string_view) const override
        {
            return std::nullopt;
        }
    };

    SystemClock m_clock;
    EmptyRegistry m_registry;
};

} // namespace platform
