// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

namespace platform {

struct LinkAddresses
{
    std::string local; // dotted IPv4; empty when the link has none
    std::string peer;
    bool ipv6 = false; // has a global or link-local IPv6 address
    // Every address of either family as text, global ones before link-local ones.
    std::vector<std::string> all;
    std::string farEnd; // the peer of either family: the IPv4 one when there are both
};

// The addresses of the machine's interfaces, by interface name.
class AddressReader
{
public:
    virtual ~AddressReader() = default;
    virtual std::map<std::string, LinkAddresses> read() const = 0;
};

// getifaddrs(3).
class SystemAddressReader final : public AddressReader
{
public:
    std::map<std::string, LinkAddresses> read() const override;
};

} // namespace platform
