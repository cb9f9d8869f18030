// SPDX-License-Identifier: GPL-3.0-or-later
// A firewall's replies to the CONNECT tunnel, SOCKS 4 and SOCKS 5 (every stage).
#include "net/firewallnegotiator.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    using net::FirewallNegotiator;
    FirewallNegotiator negotiator;
    // SOCKS 5 with credentials asks for the password stage.
    if (data[0] & 0x10)
        negotiator.setCredentials("user", "password");
    const auto type = static_cast<net::THttpFirewallTypes>(1 + data[0] % 3);
    FirewallNegotiator::Target target { data[0] & 0x20 ? "*host.example" : "10.1.2.3", 8080,
        std::nullopt };
    if (!(data[0] & 0x20))
        target.address = 0x0A010203;
    FirewallNegotiator::Step step = negotiator.start(type, target);
    const std::size_t chunk = 1 + data[1] % 17;
    std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    while (step.status == FirewallNegotiator::Step::Status::Pending && !rest.empty()) {
        const std::string_view piece = rest.substr(0, chunk);
        rest.remove_prefix(piece.size());
        step = negotiator.receive(piece);
    }
    return 0;
}
