// SPDX-License-Identifier: GPL-3.0-or-later
// The IP Helper library (IPHLPAPI.DLL): the machine's network parameters.
#pragma once

#include "types.h"

namespace win {

constexpr DWORD MAX_HOSTNAME_LEN = 128;
constexpr DWORD MAX_DOMAIN_NAME_LEN = 128;
constexpr DWORD MAX_SCOPE_ID_LEN = 256;
constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;

struct IP_ADDR_STRING
{
    IP_ADDR_STRING* Next;
    CHAR IpAddress[16];
    CHAR IpMask[16];
    DWORD Context;
};

struct FIXED_INFO
{
    CHAR HostName[MAX_HOSTNAME_LEN + 4];
    CHAR DomainName[MAX_DOMAIN_NAME_LEN + 4];
    IP_ADDR_STRING* CurrentDnsServer;
    IP_ADDR_STRING DnsServerList;
    UINT NodeType;
    CHAR ScopeId[MAX_SCOPE_ID_LEN + 4];
    UINT EnableRouting;
    UINT EnableProxy;
    UINT EnableDns;
};

// ERROR_BUFFER_OVERFLOW with the size needed when the buffer is missing or short. The DNS
// entries after the first live in the same buffer, behind the record.
DWORD GetNetworkParams(FIXED_INFO* pFixedInfo, DWORD* pOutBufLen);

} // namespace win
