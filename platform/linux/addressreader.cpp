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
                && entry->ifa_dstaddr->sa_family == AF_INET)
                link.peer = dotted(entry->ifa_dstaddr);
        }
    }
    freeifaddrs(list);
    return links;
}

} // namespace platform
