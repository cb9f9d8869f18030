// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A real point-to-point link for tests and benchmarks: a tun device in a network namespace of
// our own, seen through a sysfs mounted from inside that namespace.
class TunLink
{
public:
    static constexpr const char* kInterface = "vtun0";
    static constexpr const char* kLocal = "10.64.1.7";
    static constexpr const char* kPeer = "10.64.0.1";
    static constexpr const char* kLocal6 = "2001:db8:64::7";
    static constexpr const char* kPeer6 = "2001:db8:64::1";

    // Why this machine cannot have one (not root, no /dev/net/tun); empty when it can.
    static std::string unavailable();

    // Creates the namespace; false when `ip netns add` fails. The destructor deletes it.
    bool createNamespace();
    ~TunLink();
    // Its name, for `ip netns exec`; empty until it is created.
    const std::string& namespaceName() const { return m_namespace; }

    // In the process that will use the link (a child: it changes the process's namespaces):
    // enters the namespace, mounts its sysfs at `sysRoot`, creates the tun device with the
    // addresses above, IPv6 off, and brings it up. Returns the tun file, or -1 with `problem` set.
    int open(const std::filesystem::path& sysRoot, std::string& problem);
    // Then, once the tun file is closed (which removes the device): the device made again under
    // the same name, as open() makes it.
    int createDevice(std::string& problem);
    // Then: the link's IPv4 addresses replaced by the IPv6 ones above, as on a mobile carrier
    // that gives IPv6 alone. False, with `problem` set, when that fails.
    static bool makeIpv6Only(std::string& problem);

    // An IPv4 UDP packet from the peer to `port` on our side, `payload` bytes long.
    static std::vector<std::uint8_t> packetFromPeer(std::uint16_t port, std::size_t payload);

private:
    std::string m_namespace;
};

} // namespace testing_support
