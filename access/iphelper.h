// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time binding of the IP Helper library and the one query the monitor uses.
#pragma once

#include <QString>
#include <cstdint>

struct TNetworkParams
{
    QString HostName;
    QString DomainName;
    QString CurrentDnsServer;
    std::int32_t DnsCount = 0;
    QString DnsServers[10];
    std::uint32_t NodeType = 0;
    QString ScopeId;
    std::uint32_t EnableRouting = 0;
    std::uint32_t EnableProxy = 0;
    std::uint32_t EnableDns = 0;
};

// True when IPHLPAPI.DLL is loaded; a failed load is tried again on the next call.
bool LoadIpHelper();
void UnloadIpHelper();
// 0 when Params was filled; otherwise the platform's code (50 without the library or its
// GetNetworkParams) and Params untouched.
std::int32_t ReadNetworkParams(TNetworkParams& Params);
