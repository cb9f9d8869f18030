// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/counterregistry.h"
#include "platform/datasource.h"
#include "platform/text.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// A computed registry held in maps: keys as "root|path" in lower case.
class MapRegistry final : public platform::VirtualRegistry
{
public:
    void addKey(win::HKEY root, const std::string& path);
    void setValue(win::HKEY root, const std::string& path, const std::string& name,
        platform::RegistryValue value);

    bool keyExists(win::HKEY root, std::string_view path) const override;
    std::vector<std::string> subKeys(win::HKEY root, std::string_view path) const override;
    std::vector<std::string> valueNames(win::HKEY root, std::string_view path) const override;
    std::optional<platform::RegistryValue> value(
        win::HKEY root, std::string_view path, std::string_view name) const override;

private:
    static std::string keyOf(win::HKEY root, std::string_view path);
    std::vector<std::pair<std::string, std::string>>
        m_keys; // folded key, path as given; in order added
    std::map<std::string, std::vector<std::pair<std::string, platform::RegistryValue>>> m_values;
};

// A data source whose every answer a test sets.
class FakeSource final : public platform::DataSource
{
public:
    std::string name() const override { return "fake"; }
    platform::Clock& clock() override { return m_clock; }
    platform::OsVersion osVersion() const override { return m_version; }
    bool providesModule(std::string_view module) const override;
    bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const override;
    std::vector<win::BYTE> moduleVersionResource(std::string_view module) const override;
    // The computed keys built from the fake's ports, unless a test writes its own into registry().
    platform::VirtualRegistry& virtualRegistry() override
    {
        return m_ownRegistry ? static_cast<platform::VirtualRegistry&>(m_registry)
                             : m_counterRegistry;
    }
    std::vector<platform::RasLink> rasLinks() override { return links; }
    win::DWORD enumerationResult() const override { return enumeration; }
    bool rasLink(win::DWORD handle, platform::RasLink& link) override;
    bool rasCounters(win::DWORD handle, platform::RasCounters& counters) override;
    bool clearRasCounters(win::DWORD handle) override;
    platform::CounterViews counterViews() const override { return views; }
    std::vector<platform::PortCounters> ports() override { return portList; }
    platform::NetworkParams networkParams() override { return network; }
    std::optional<platform::LinkFacts> linkFacts(win::DWORD handle) override
    {
        const auto found = facts.find(handle);
        return found != facts.end() ? std::optional(found->second) : std::nullopt;
    }
    bool watchesThisMachine() const override { return thisMachine; }
    std::optional<platform::LinkCounters> linkCounters(win::DWORD handle) override
    {
        const auto found = counters.find(handle);
        if (!fullWidth || found == counters.end())
            return std::nullopt;
        return platform::LinkCounters { found->second.sent, found->second.received };
    }

    // What the fake reports; tests set these directly.
    std::vector<platform::RasLink> links;
    win::DWORD enumeration = 0;
    std::map<win::DWORD, platform::RasCounters> counters;
    platform::CounterViews views;
    std::vector<platform::PortCounters> portList;
    platform::NetworkParams network;
    std::map<win::DWORD, platform::LinkFacts> facts;
    bool fullWidth = false; // the counters are also given whole, beside the dial-up shapes
    bool thisMachine = false; // stands in for the machine's own links, not a simulation

    platform::ManualClock& manualClock() { return m_clock; }
    MapRegistry& registry()
    {
        m_ownRegistry = true;
        return m_registry;
    }
    void setVersion(platform::OsVersion version) { m_version = version; }
    void addModule(const std::string& module) { m_modules.insert(platform::asciiLower(module)); }
    void removeEntryPoint(const std::string& entryPoint) { m_missing.insert(entryPoint); }
    void setModuleVersionResource(const std::string& module, std::vector<win::BYTE> block)
    {
        m_blocks[platform::asciiLower(module)] = std::move(block);
    }

private:
    platform::ManualClock m_clock;
    platform::OsVersion m_version;
    MapRegistry m_registry;
    bool m_ownRegistry = false;
    platform::CounterRegistry m_counterRegistry { *this };
    std::set<std::string> m_modules;
    std::set<std::string> m_missing;
    std::map<std::string, std::vector<win::BYTE>> m_blocks;
};

} // namespace testing_support
