// SPDX-License-Identifier: GPL-3.0-or-later
#include "iphelper.h"

#include "platform/win/iphlpapi.h"
#include "platform/win/winbase.h"

#include <cstring>
#include <vector>

namespace {

using GetNetworkParamsFn = decltype(&win::GetNetworkParams);

struct Binding
{
    win::HMODULE library = 0;
    GetNetworkParamsFn GetNetworkParams = nullptr;
};

Binding state;

constexpr const char* kEntryPoints[] = { "GetAdaptersInfo", "GetNetworkParams", "GetTcpTable",
    "GetTcpStatistics", "GetUdpTable", "GetUdpStatistics", "GetIpStatistics", "GetIpNetTable",
    "GetIpAddrTable", "GetIpForwardTable", "GetIcmpStatistics", "GetRTTAndHopCount", "GetIfTable",
    "GetIfEntry", "GetFriendlyIfIndex" };

// Text up to its NUL, without leading and trailing blanks and control characters.
QString trimmed(const char* text, std::size_t capacity)
{
    std::size_t end = strnlen(text, capacity);
    std::size_t start = 0;
    while (start < end && static_cast<unsigned char>(text[start]) <= ' ')
        ++start;
    while (end > start && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return QString::fromLocal8Bit(text + start, static_cast<qsizetype>(end - start));
}

QString address(const win::IP_ADDR_STRING& entry)
{
    return QString::fromLatin1(
        entry.IpAddress, static_cast<qsizetype>(strnlen(entry.IpAddress, sizeof entry.IpAddress)));
}

} // namespace

bool LoadIpHelper()
{
    if (state.library)
        return true;
    state.library = win::LoadLibraryA("IPHLPAPI.DLL");
    if (!state.library)
        return false;
    for (const char* name : kEntryPoints) {
        const win::FARPROC proc = win::GetProcAddress(state.library, name);
        if (std::strcmp(name, "GetNetworkParams") == 0)
            state.GetNetworkParams = reinterpret_cast<GetNetworkParamsFn>(proc);
    }
    return true;
}

void UnloadIpHelper()
{
    if (state.library)
        win::FreeLibrary(state.library);
    state = {};
}

std::int32_t ReadNetworkParams(TNetworkParams& Params)
{
    constexpr std::int32_t kNotSupported = 50;
    // A library without the entry point is as good as none; the entry is never called null.
    if (!LoadIpHelper() || !state.GetNetworkParams)
        return kNotSupported;
    win::DWORD size = 0;
    win::DWORD result = state.GetNetworkParams(nullptr, &size);
    if (result != win::ERROR_BUFFER_OVERFLOW)
        return static_cast<std::int32_t>(result);
    std::vector<std::uint64_t> storage((size + 7) / 8); // aligned for the record's pointers
    auto* info = reinterpret_cast<win::FIXED_INFO*>(storage.data());
    result = state.GetNetworkParams(info, &size);
    if (result != 0)
        return static_cast<std::int32_t>(result);

    Params.DnsCount = 0;
    Params.HostName = trimmed(info->HostName, sizeof info->HostName);
    Params.DomainName = trimmed(info->DomainName, sizeof info->DomainName);
    Params.ScopeId = trimmed(info->ScopeId, sizeof info->ScopeId);
    Params.NodeType = info->NodeType;
    Params.EnableRouting = info->EnableRouting;
    Params.EnableProxy = info->EnableProxy;
    Params.EnableDns = info->EnableDns;
    const win::IP_ADDR_STRING* entry = &info->DnsServerList;
    // An empty first entry leaves the caller's entry 0 as it was.
    if (const QString first = address(*entry); !first.isEmpty()) {
        Params.DnsServers[0] = first;
        Params.DnsCount = 1;
    }
    for (entry = entry->Next; entry && Params.DnsCount < 10; entry = entry->Next)
        Params.DnsServers[Params.DnsCount++] = address(*entry);
    return 0;
}
