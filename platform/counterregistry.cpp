// SPDX-License-Identifier: GPL-3.0-or-later
#include "counterregistry.h"

#include "text.h"
#include "win/winperf.h"
#include "win/winreg.h"

#include <cstring>

namespace platform {

namespace {

constexpr std::string_view kEnumKey = "System\\CurrentControlSet\\Control\\PerfStats\\Enum";
constexpr const char* kStatKeys[] = { "StartStat", "StatData", "StopStat" };
constexpr const char* kValueSuffixes[]
    = { "\\ConnectSpeed", "\\TotalBytesXmit", "\\TotalBytesRecvd" };

bool isStatKey(std::string_view path)
{
    for (const char* key : kStatKeys) {
        if (equalsIgnoreCase(path, std::string("PerfStats\\") + key))
            return true;
    }
    return false;
}

RegistryValue dword(std::uint64_t value)
{
    const auto low = static_cast<std::uint32_t>(value);
    RegistryValue result { win::REG_BINARY, std::vector<win::BYTE>(4) };
    std::memcpy(result.data.data(), &low, 4);
    return result;
}

template<typename Record>
void append(std::vector<win::BYTE>& out, const Record& record)
{
    const std::size_t at = out.size();
    out.resize(at + sizeof record);
    std::memcpy(out.data() + at, &record, sizeof record);
}

void patch(std::vector<win::BYTE>& out, std::size_t at, win::DWORD value)
{
    std::memcpy(out.data() + at, &value, sizeof value);
}

void alignTo8(std::vector<win::BYTE>& out)
{
    out.resize((out.size() + 7) & ~std::size_t { 7 }, 0);
}

// Counter block of two 32-bit raw counters: bytes transmitted at 4, received at 8.
void appendCounterBlock(std::vector<win::BYTE>& out, const PortCounters& port)
{
    const win::DWORD block[4]
        = { 16, static_cast<win::DWORD>(port.sent), static_cast<win::DWORD>(port.received), 0 };
    append(out, block);
}

void appendObject(
    std::vector<win::BYTE>& out, std::uint32_t index, const std::vector<PortCounters>& ports)
{
    const std::size_t start = out.size();
    const bool perPort = index == CounterRegistry::kRasPortObject;
    win::PERF_OBJECT_TYPE object {};
    object.HeaderLength = sizeof object;
    object.DefinitionLength = sizeof object + 2 * sizeof(win::PERF_COUNTER_DEFINITION);
    object.ObjectNameTitleIndex = index;
    object.ObjectHelpTitleIndex = index + 1;
    object.DetailLevel = win::PERF_DETAIL_NOVICE;
    object.NumCounters = 2;
    object.NumInstances = perPort ? static_cast<win::LONG>(ports.size()) : win::PERF_NO_INSTANCES;
    append(out, object);
    for (const auto& [title, offset] : { std::pair { CounterRegistry::kBytesTransmitted, 4u },
             std::pair { CounterRegistry::kBytesReceived, 8u } }) {
        win::PERF_COUNTER_DEFINITION counter {};
        counter.ByteLength = sizeof counter;
        counter.CounterNameTitleIndex = title;
        counter.CounterHelpTitleIndex = title + 1;
        counter.DetailLevel = win::PERF_DETAIL_NOVICE;
        counter.CounterType = win::PERF_COUNTER_RAWCOUNT;
        counter.CounterSize = 4;
        counter.CounterOffset = offset;
        append(out, counter);
    }
    if (!perPort) {
        PortCounters total;
        for (const auto& port : ports) {
            total.sent += port.sent;
            total.received += port.received;
        }
        appendCounterBlock(out, total);
    } else {
        for (const auto& port : ports) {
            const std::size_t instanceStart = out.size();
            win::PERF_INSTANCE_DEFINITION instance {};
            instance.UniqueID = win::PERF_NO_INSTANCES;
            instance.NameOffset = sizeof instance;
            instance.NameLength = static_cast<win::DWORD>((port.name.size() + 1) * 2);
            append(out, instance);
            for (char c : port.name)
                append(out, static_cast<std::uint16_t>(static_cast<unsigned char>(c)));
            append(out, std::uint16_t { 0 });
            alignTo8(out);
            patch(out, instanceStart, static_cast<win::DWORD>(out.size() - instanceStart));
            appendCounterBlock(out, port);
        }
    }
    patch(out, start, static_cast<win::DWORD>(out.size() - start));
}

} // namespace

std::vector<win::BYTE> buildPerformanceData(
    const std::vector<PortCounters>& ports, std::string_view objects)
{
    std::vector<std::uint32_t> wanted;
    if (equalsIgnoreCase(objects, "Global")) {
        wanted = { CounterRegistry::kRasPortObject, CounterRegistry::kRasTotalObject };
    } else {
        for (auto part : split(objects, ' ')) {
            if (part == "870")
                wanted.push_back(CounterRegistry::kRasPortObject);
            else if (part == "906")
                wanted.push_back(CounterRegistry::kRasTotalObject);
        }
    }
    std::vector<win::BYTE> out;
    win::PERF_DATA_BLOCK header {};
    const char16_t signature[] = u"PERF";
    std::memcpy(header.Signature, signature, sizeof header.Signature);
    header.LittleEndian = 1;
    header.Version = 1;
    header.Revision = 1;
    header.HeaderLength = sizeof header;
    header.NumObjectTypes = static_cast<win::DWORD>(wanted.size());
    header.DefaultObject = static_cast<win::LONG>(CounterRegistry::kRasTotalObject);
    append(out, header);
    for (const auto index : wanted)
        appendObject(out, index, ports);
    patch(
        out, offsetof(win::PERF_DATA_BLOCK, TotalByteLength), static_cast<win::DWORD>(out.size()));
    return out;
}

bool CounterRegistry::keyExists(win::HKEY root, std::string_view path) const
{
    if (path.empty())
        return true;
    const auto views = m_source.counterViews();
    if (root == win::HKEY_DYN_DATA)
        return views.dynamicStatistics && (equalsIgnoreCase(path, "PerfStats") || isStatKey(path));
    if (root != win::HKEY_LOCAL_MACHINE || !views.dynamicStatistics)
        return false;
    if (equalsIgnoreCase(path, "System\\CurrentControlSet\\Control\\PerfStats")
        || equalsIgnoreCase(path, kEnumKey))
        return true;
    if (!startsWithIgnoreCase(path, kEnumKey) || path.size() <= kEnumKey.size() + 1
        || path[kEnumKey.size()] != '\\')
        return false;
    const auto adapter = path.substr(kEnumKey.size() + 1);
    for (const auto& port : m_source.ports()) {
        if (equalsIgnoreCase(port.name, adapter))
            return true;
    }
    return false;
}

std::vector<std::string> CounterRegistry::subKeys(win::HKEY root, std::string_view path) const
{
    if (!m_source.counterViews().dynamicStatistics)
        return {};
    if (root == win::HKEY_DYN_DATA && path.empty())
        return { "PerfStats" };
    if (root == win::HKEY_DYN_DATA && equalsIgnoreCase(path, "PerfStats"))
        return { std::begin(kStatKeys), std::end(kStatKeys) };
    if (root == win::HKEY_LOCAL_MACHINE
        && equalsIgnoreCase(path, "System\\CurrentControlSet\\Control\\PerfStats"))
        return { "Enum" };
    if (root == win::HKEY_LOCAL_MACHINE && equalsIgnoreCase(path, kEnumKey)) {
        std::vector<std::string> names;
        for (const auto& port : m_source.ports())
            names.push_back(port.name);
        return names;
    }
    return {};
}

std::vector<std::string> CounterRegistry::valueNames(win::HKEY root, std::string_view path) const
{
    std::vector<std::string> names;
    if (root == win::HKEY_DYN_DATA && m_source.counterViews().dynamicStatistics
        && isStatKey(path)) {
        for (const auto& port : m_source.ports()) {
            for (const char* suffix : kValueSuffixes)
                names.push_back(port.name + suffix);
        }
    }
    return names;
}

std::optional<RegistryValue> CounterRegistry::value(
    win::HKEY root, std::string_view path, std::string_view name) const
{
    const auto views = m_source.counterViews();
    if (root == win::HKEY_PERFORMANCE_DATA && path.empty()) {
        if (!views.performanceData)
            return std::nullopt;
        return RegistryValue { win::REG_BINARY, buildPerformanceData(m_source.ports(), name) };
    }
    if (root != win::HKEY_DYN_DATA || !views.dynamicStatistics || !isStatKey(path))
        return std::nullopt;
    for (const auto& port : m_source.ports()) {
        if (!startsWithIgnoreCase(name, port.name) || name.size() <= port.name.size())
            continue;
        const auto suffix = name.substr(port.name.size());
        if (equalsIgnoreCase(suffix, kValueSuffixes[0]))
            return dword(port.bitsPerSecond);
        if (equalsIgnoreCase(suffix, kValueSuffixes[1]))
            return dword(port.sent);
        if (equalsIgnoreCase(suffix, kValueSuffixes[2]))
            return dword(port.received);
    }
    return std::nullopt;
}

} // namespace platform
