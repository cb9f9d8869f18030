// SPDX-License-Identifier: GPL-3.0-or-later
#include "iphlpapi.h"

#include "../runtime.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

template<std::size_t N>
void copyText(CHAR (&field)[N], const std::string& text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

} // namespace

DWORD GetNetworkParams(FIXED_INFO* info, DWORD* size)
{
    if (!size)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    const auto params = platform::Runtime::current().source().networkParams();
    const std::size_t extra = params.dnsServers.size() > 1 ? params.dnsServers.size() - 1 : 0;
    const auto needed = static_cast<DWORD>(sizeof(FIXED_INFO) + extra * sizeof(IP_ADDR_STRING));
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(info, 0, needed);
    copyText(info->HostName, params.hostName);
    copyText(info->DomainName, params.domainName);
    copyText(info->ScopeId, params.scopeId);
    info->NodeType = params.nodeType;
    info->EnableRouting = params.enableRouting;
    info->EnableProxy = params.enableProxy;
    info->EnableDns = params.enableDns;
    // The further entries follow the record in the caller's buffer.
    auto* further = reinterpret_cast<IP_ADDR_STRING*>(info + 1);
    IP_ADDR_STRING* entry = &info->DnsServerList;
    for (std::size_t i = 0; i < params.dnsServers.size(); ++i) {
        if (i > 0) {
            entry->Next = &further[i - 1];
            entry = entry->Next;
        }
        copyText(entry->IpAddress, params.dnsServers[i]);
        copyText(entry->IpMask, "255.255.255.255");
    }
    return 0;
}

} // namespace win
