// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernellinks.h"

#include <algorithm>
#include <arpa/inet.h>
#include <sys/socket.h>

namespace platform {

namespace {

bool isLinkLocal(const InterfaceAddress& address)
{
    if (address.family == AF_INET6) {
        in6_addr binary {};
        return inet_pton(AF_INET6, address.local.c_str(), &binary) == 1
            && IN6_IS_ADDR_LINKLOCAL(&binary);
    }
    return address.local.starts_with("169.254.");
}

} // namespace

LinkAddresses describeAddresses(const std::vector<InterfaceAddress>& addresses)
{
    LinkAddresses link;
    std::string ipv6Peer;
    std::vector<std::string> ipv6Global;
    std::vector<std::string> linkLocal;
    for (const InterfaceAddress& address : addresses) {
        if (address.family == AF_INET6) {
            link.ipv6 = true;
            if (ipv6Peer.empty())
                ipv6Peer = address.peer;
        } else if (link.local.empty()) {
            link.local = address.local;
            link.peer = address.peer;
        }
        if (isLinkLocal(address))
            linkLocal.push_back(address.local);
        else if (address.family == AF_INET6)
            ipv6Global.push_back(address.local);
        else
            link.all.push_back(address.local);
    }
    link.all.insert(link.all.end(), ipv6Global.begin(), ipv6Global.end());
    link.all.insert(link.all.end(), linkLocal.begin(), linkLocal.end());
    link.farEnd = link.peer.empty() ? ipv6Peer : link.peer;
    return link;
}

const KernelLink* KernelLinks::find(std::string_view name) const
{
    const auto named = m_indexByName.find(name);
    if (named == m_indexByName.end())
        return nullptr;
    const auto found = m_links.find(named->second);
    return found != m_links.end() ? &found->second : nullptr;
}

void KernelLinks::setLink(int index, std::string name, unsigned flags, unsigned type, bool carrier)
{
    auto [found, added] = m_links.try_emplace(index);
    KernelLink& link = found->second;
    if (added) {
        link.index = index;
        link.serial = m_nextSerial++;
    }
    if (!added && link.name == name && link.flags == flags && link.type == type
        && link.carrier == carrier)
        return;
    if (link.name != name) {
        // Renamed: the old name may already be another link's.
        if (const auto old = m_indexByName.find(link.name);
            old != m_indexByName.end() && old->second == index)
            m_indexByName.erase(old);
        m_indexByName[name] = index;
    }
    link.name = std::move(name);
    link.flags = flags;
    link.type = type;
    link.carrier = carrier;
    changed();
}

void KernelLinks::removeLink(int index)
{
    const auto found = m_links.find(index);
    if (found == m_links.end())
        return;
    if (const auto named = m_indexByName.find(found->second.name);
        named != m_indexByName.end() && named->second == index)
        m_indexByName.erase(named);
    m_links.erase(found);
    changed();
}

void KernelLinks::addAddress(int index, InterfaceAddress address)
{
    const auto found = m_links.find(index);
    if (found == m_links.end())
        return; // the link's own report comes first; one that went takes its addresses along
    auto& list = found->second.addressList;
    // The kernel reports an address again when its lifetimes or flags change.
    if (std::find(list.begin(), list.end(), address) != list.end())
        return;
    list.push_back(std::move(address));
    readdress(found->second);
}

void KernelLinks::removeAddress(int index, const InterfaceAddress& address)
{
    const auto found = m_links.find(index);
    if (found == m_links.end())
        return;
    auto& list = found->second.addressList;
    const auto at = std::find(list.begin(), list.end(), address);
    if (at == list.end())
        return;
    list.erase(at);
    readdress(found->second);
}

void KernelLinks::clearAddresses()
{
    for (auto& [index, link] : m_links) {
        if (!link.addressList.empty()) {
            link.addressList.clear();
            readdress(link);
        }
    }
}

void KernelLinks::assign(std::map<int, KernelLink> links)
{
    for (auto& [index, link] : links)
        link.addresses = describeAddresses(link.addressList);
    if (links != m_links) {
        m_links = std::move(links);
        m_indexByName.clear();
        for (const auto& [index, link] : m_links)
            m_indexByName[link.name] = index;
        changed();
    }
}

void KernelLinks::readdress(KernelLink& link)
{
    link.addresses = describeAddresses(link.addressList);
    changed();
}

} // namespace platform
