// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressreader.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace platform {

namespace {

std::string dotted(const sockaddr* address)
{
    char text[INET_ADDRSTRLEN] {};
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text);
    return text;
}

// A point-to-point link given a subnet rather than a peer (as NetworkManager configures a tun
// link) reports its broadcast address where the peer would be.
bool isBroadcast(const ifaddrs& entry)
{
    if (!entry.ifa_netmask || entry.ifa_netmask->sa_family != AF_INET)
        return false;
    const auto address = [](const sockaddr* a) {
        return reinterpret_cast<const sockaddr_in*>(a)->sin_addr.s_addr;
    };
    const in_addr_t mask = address(entry.ifa_netmask);
    return mask != 0xFFFFFFFF
        && address(entry.ifa_dstaddr) == ((address(entry.ifa_addr) & mask) | ~mask);
}

} // namespace

std::map<std::string, LinkAddresses> SystemAddressReader::read() const
{
    std::map<std::string, LinkAddresses> links;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return links;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !entry->ifa_name)
            continue;
        auto& link = links[entry->ifa_name];
        if (entry->ifa_addr->sa_family == AF_INET6) {
            link.ipv6 = true;
        } else if (entry->ifa_addr->sa_family == AF_INET && link.local.empty()) {
            link.local = dotted(entry->ifa_addr);
            if ((entry->ifa_flags & IFF_POINTOPOINT) && entry->ifa_dstaddr
                && entry->ifa_dstaddr->sa_family == AF_INET && !isBroadcast(*entry))
                link.peer = dotted(entry->ifa_dstaddr);
        }
    }
    freeifaddrs(list);
    return links;
}

} // namespace platform
