// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datasource.h"
#include "virtualregistry.h"

namespace platform {

// The computed registry keys of older platform releases, built from a source's port counters
// so that the same traffic shows up in each form the source's release offers:
// - Windows 9x: HKEY_DYN_DATA "PerfStats\StartStat", "\StopStat" and "\StatData" values named
//   "<adapter>\ConnectSpeed", "\TotalBytesXmit" and "\TotalBytesRecvd" (4 bytes each, the
//   counters' low 32 bits), and one key per adapter under HKEY_LOCAL_MACHINE
//   "System\CurrentControlSet\Control\PerfStats\Enum";
// - NT 4: HKEY_PERFORMANCE_DATA values "906" (RAS Total), "870" (RAS Port, one instance per
//   port), any space-separated list of them, and "Global", with counters 872 (bytes
//   transmitted) and 874 (bytes received).
class CounterRegistry final : public VirtualRegistry
{
public:
    explicit CounterRegistry(DataSource& source)
        : m_source(source)
    {
    }

    bool keyExists(win::HKEY root, std::string_view path) const override;
    std::vector<std::string> subKeys(win::HKEY root, std::string_view path) const override;
    std::vector<std::string> valueNames(win::HKEY root, std::string_view path) const override;
    std::optional<RegistryValue> value(
        win::HKEY root, std::string_view path, std::string_view name) const override;

    static constexpr std::uint32_t kRasTotalObject = 906;
    static constexpr std::uint32_t kRasPortObject = 870;
    static constexpr std::uint32_t kBytesTransmitted = 872;
    static constexpr std::uint32_t kBytesReceived = 874;

private:
    DataSource& m_source;
};

// A performance-data block with the requested objects ("906", "870 906", "Global").
std::vector<win::BYTE> buildPerformanceData(
    const std::vector<PortCounters>& ports, std::string_view objects);

} // namespace platform
