// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A listed connection's bytes since it was first seen, at their full width: the dial-up shapes
// cut them to 32 bits.
struct LinkCounters
{
    std::uint64_t sent = 0;
    std::uint64_t received = 0;
};

// What a data source knows of a listed connection beyond the dial-up shapes, which hold a
// 16-character IPv4 address: every address of either family, the far end, the name servers,
// the network manager's view of it.
struct LinkFacts
{
    // The link's own addresses as text, IPv4 and IPv6, global ones before link-local ones.
    std::vector<std::string> addresses;
    std::string peer; // the far end's address, of either family; empty when unknown
    std::vector<std::string> dnsServers; // of either family, in the resolver's order
    // The network manager's connection on the link, its kind and its state in words; empty
    // where no manager runs or it does not know the link.
    std::string connection;
    std::string kind;
    std::string state;
};

} // namespace platform
