// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One dial-up connection as a data source sees it at this moment.
struct RasLink
{
    win::DWORD handle = 0; // never 0 for a listed link
    std::string entryName;
    std::string deviceType;
    std::string deviceName;
    std::string phoneBook;
    std::string phoneNumber;
    win::DWORD state = 0; // the platform's RASCS value; 8192 connected
    win::DWORD error = 0; // error value of the status record
    win::DWORD statusResult = 0; // non-zero: the status read itself fails with this code
    // The projections; ipError non-zero when the IP projection failed.
    bool projected = false;
    win::DWORD ipError = 0;
    std::string clientIp;
    std::string serverIp;
    win::DWORD authProtocol = 0; // RASLCPAP_*; 0 for none
    win::DWORD lcpError = 0;
    std::string serverReply;
};

// Traffic of one connection since its statistics were last cleared.
struct RasCounters
{
    std::uint64_t sent = 0;
    std::uint64_t received = 0;
    std::uint32_t bitsPerSecond = 0;
    std::uint32_t connectedMs = 0;
};

// One port or adapter of the dial-up stack with its cumulative counters, which older platform
// releases report instead of per-connection statistics.
struct PortCounters
{
    std::string name; // "COM1", "Dial-Up Adapter", ...
    std::uint64_t sent = 0;
    std::uint64_t received = 0;
    std::uint32_t bitsPerSecond = 0; // 0 while idle
};

struct NetworkParams
{
    std::string hostName;
    std::string domainName;
    std::vector<std::string> dnsServers;
    win::DWORD nodeType = 1; // broadcast
    std::string scopeId;
    bool enableRouting = false;
    bool enableProxy = false;
    bool enableDns = false;
};

// One network interface of the machine, as a user choosing which links to watch sees it.
struct InterfaceInfo
{
    std::string name;
    std::string connection; // the network manager's connection on it; empty when none
    std::string kind; // "modem", "vpn", "pppoe", "point-to-point", "ethernet", "wireless", ...
    std::string state; // "connected", "connecting", "up" or "down"
    std::vector<std::string> addresses;
    bool watched = false; // listed as a connection now
    bool automatic = false; // watched without being chosen (point-to-point, dial-up kinds)
};

// Which of the counter sources of older releases a data source reproduces.
struct CounterViews
{
    bool dynamicStatistics = false; // HKEY_DYN_DATA "PerfStats" (Windows 9x)
    bool performanceData = false; // HKEY_PERFORMANCE_DATA objects 906 and 870 (NT 4)
    bool pdh = false; // "\RAS Total" counters of pdh.dll (NT 4)
};

} // namespace platform
