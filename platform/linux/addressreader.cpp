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

std::string ipv6Text(const sockaddr* address)
{
    char text[INET6_ADDRSTRLEN] {};
    const auto* ipv6 = reinterpret_cast<const sockaddr_in6*>(address);
    inet_ntop(AF_INET6, &ipv6->sin6_addr, text, sizeof text);
    return text;
}

bool isLinkLocal(const sockaddr* address)
{
    if (address->sa_family == AF_INET6)
        return IN6_IS_ADDR_LINKLOCAL(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr);
    // 169.254.0.0/16
    return (ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr) >> 16) == 0xA9FE;
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
    std::map<std::string, std::vector<std::string>> linkLocal;
    std::map<std::string, std::string> ipv6Peers;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return links;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !entry->ifa_name)
            continue;
        const int family = entry->ifa_addr->sa_family;
        if (family != AF_INET && family != AF_INET6)
            continue;
        auto& link = links[entry->ifa_name];
        const std::string text
            = family == AF_INET ? dotted(entry->ifa_addr) : ipv6Text(entry->ifa_addr);
        (isLinkLocal(entry->ifa_addr) ? linkLocal[entry->ifa_name] : link.all).push_back(text);
        const bool peered = (entry->ifa_flags & IFF_POINTOPOINT) && entry->ifa_dstaddr
            && entry->ifa_dstaddr->sa_family == family;
        if (family == AF_INET6) {
            link.ipv6 = true;
            if (peered && ipv6Peers[entry->ifa_name].empty())
                ipv6Peers[entry->ifa_name] = ipv6Text(entry->ifa_dstaddr);
        } else if (link.local.empty()) {
            link.local = text;
            if (peered && !isBroadcast(*entry))
                link.peer = dotted(entry->ifa_dstaddr);
        }
    }
    freeifaddrs(list);
    for (auto& [name, link] : links) {
        const auto& local = linkLocal[name];
        link.all.insert(link.all.end(), local.begin(), local.end());
        link.farEnd = link.peer.empty() ? ipv6Peers[name] : link.peer;
    }
    return links;
}

} // namespace platform
