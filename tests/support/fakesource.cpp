// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakesource.h"

#include <algorithm>

namespace testing_support {

std::string MapRegistry::keyOf(win::HKEY root, std::string_view path)
{
    return std::to_string(root) + "|" + platform::asciiLower(path);
}

void MapRegistry::addKey(win::HKEY root, const std::string& path)
{
    const std::string folded = keyOf(root, path);
    for (const auto& entry : m_keys) {
        if (entry.first == folded)
            return;
    }
    m_keys.emplace_back(folded, path);
}

void MapRegistry::setValue(
    win::HKEY root, const std::string& path, const std::string& name, platform::RegistryValue value)
{
    addKey(root, path);
    auto& values = m_values[keyOf(root, path)];
    for (auto& [existing, stored] : values) {
        if (platform::equalsIgnoreCase(existing, name)) {
            stored = std::move(value);
            return;
        }
    }
    values.emplace_back(name, std::move(value));
}

bool MapRegistry::keyExists(win::HKEY root, std::string_view path) const
{
    const std::string folded = keyOf(root, path);
    return path.empty() || std::any_of(m_keys.begin(), m_keys.end(), [&](const auto& entry) {
        return entry.first == folded;
    });
}

std::vector<std::string> MapRegistry::subKeys(win::HKEY root, std::string_view path) const
{
    const std::string prefix = keyOf(root, path) + (path.empty() ? "" : "\\");
    std::vector<std::string> names;
    for (const auto& [folded, original] : m_keys) {
        if (folded.starts_with(prefix) && folded.find('\\', prefix.size()) == std::string::npos
            && folded.size() > prefix.size())
            names.push_back(original.substr(original.size() - (folded.size() - prefix.size())));
    }
    return names;
}

std::vector<std::string> MapRegistry::valueNames(win::HKEY root, std::string_view path) const
{
    std::vector<std::string> names;
    if (auto found = m_values.find(keyOf(root, path)); found != m_values.end()) {
        for (const auto& entry : found->second)
            names.push_back(entry.first);
    }
    return names;
}

std::optional<platform::RegistryValue> MapRegistry::value(
    win::HKEY root, std::string_view path, std::string_view name) const
{
    auto found = m_values.find(keyOf(root, path));
    if (found == m_values.end())
        return std::nullopt;
    for (const auto& [existing, stored] : found->second) {
        if (platform::equalsIgnoreCase(existing, name))
            return stored;
    }
    return std::nullopt;
}

bool FakeSource::providesModule(std::string_view module) const
{
    return m_modules.contains(platform::asciiLower(module));
}

bool FakeSource::providesEntryPoint(std::string_view module, std::string_view entryPoint) const
{
    return providesModule(module) && !m_missing.contains(std::string(entryPoint));
}

std::vector<win::BYTE> FakeSource::moduleVersionResource(std::string_view module) const
{
    auto found = m_blocks.find(platform::asciiLower(module));
    return found == m_blocks.end() ? std::vector<win::BYTE>() : found->second;
}

bool FakeSource::rasLink(win::DWORD handle, platform::RasLink& link)
{
    for (const auto& candidate : links) {
        if (candidate.handle == handle) {
            link = candidate;
            return true;
        }
    }
    return false;
}

bool FakeSource::rasCounters(win::DWORD handle, platform::RasCounters& found)
{
    const auto entry = counters.find(handle);
    if (entry == counters.end())
        return false;
    found = entry->second;
    return true;
}

bool FakeSource::clearRasCounters(win::DWORD handle)
{
    const auto entry = counters.find(handle);
    if (entry == counters.end())
        return false;
    entry->second.sent = entry->second.received = 0;
    return true;
}

} // namespace testing_support
