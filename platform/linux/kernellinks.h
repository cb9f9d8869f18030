// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One address of an interface as the kernel holds it: the local one and, on a point-to-point
// link given one, the far end's.
struct InterfaceAddress
{
    int family = 0; // AF_INET or AF_INET6
    std::string local;
    std::string peer;
    bool operator==(const InterfaceAddress&) const = default;
};

// What a link's addresses come to.
struct LinkAddresses
{
    std::string local; // the first IPv4 address; empty when the link has none
    std::string peer; // its far end
    bool ipv6 = false; // has a global or link-local IPv6 address
    // Every address of either family as text: global ones (IPv4 first) before link-local ones.
    std::vector<std::string> all;
    std::string farEnd; // the peer of either family: the IPv4 one when there are both
    bool operator==(const LinkAddresses&) const = default;
};

LinkAddresses describeAddresses(const std::vector<InterfaceAddress>& addresses);

struct KernelLink
{
    int index = 0;
    std::string name;
    unsigned flags = 0; // IFF_*
    unsigned type = 0; // ARPHRD_*
    bool carrier = false;
    // Tells an interface from a later one given the same name and index.
    std::uint64_t serial = 0;
    std::vector<InterfaceAddress> addressList; // in the order the kernel gave them
    LinkAddresses addresses; // of addressList
    bool operator==(const KernelLink&) const = default;
};

// The machine's network interfaces and their addresses, as the kernel reports them. The table
// and its rules are here; a subclass only feeds it.
class KernelLinks
{
public:
    virtual ~KernelLinks() = default;

    // Takes in what changed since the last call; costs next to nothing when nothing did.
    virtual void update() = 0;

    const std::map<int, KernelLink>& links() const { return m_links; }
    const KernelLink* find(std::string_view name) const;
    // Changes whenever an interface comes, goes or changes its name, flags, carrier or addresses.
    std::uint64_t generation() const { return m_generation; }

protected:
    // An interface as reported now; one not in the table, or reported after it went, gets a new
    // serial.
    void setLink(int index, std::string name, unsigned flags, unsigned type, bool carrier);
    void removeLink(int index);
    void addAddress(int index, InterfaceAddress address);
    void removeAddress(int index, const InterfaceAddress& address);
    void clearAddresses(); // before a full report of them
    // The whole table as a test has it; the generation moves only when it differs.
    void assign(std::map<int, KernelLink> links);
    void changed() { ++m_generation; }

private:
    void readdress(KernelLink& link);

    std::map<int, KernelLink> m_links;
    std::map<std::string, int, std::less<>> m_indexByName; // a tick looks links up by name
    std::uint64_t m_generation = 1;
    std::uint64_t m_nextSerial = 1;
};

} // namespace platform
