// SPDX-License-Identifier: GPL-3.0-or-later
#include "tunlink.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/if_tun.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testing_support {

namespace {

bool run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::uint16_t checksum(const std::uint8_t* data, std::size_t length)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

void put16(std::vector<std::uint8_t>& packet, std::size_t at, std::uint16_t value)
{
    packet[at] = static_cast<std::uint8_t>(value >> 8);
    packet[at + 1] = static_cast<std::uint8_t>(value);
}

} // namespace

std::string TunLink::unavailable()
{
    if (geteuid() != 0)
        return "needs root for network namespaces and tun devices";
    if (access("/dev/net/tun", R_OK | W_OK) != 0)
        return "/dev/net/tun is not available on this machine";
    return {};
}

bool TunLink::createNamespace()
{
    m_namespace = "vantrel-" + std::to_string(getpid());
    if (run("ip netns add " + m_namespace))
        return true;
    m_namespace.clear();
    return false;
}

TunLink::~TunLink()
{
    if (!m_namespace.empty())
        run("ip netns del " + m_namespace);
}

int TunLink::open(const std::filesystem::path& sysRoot, std::string& problem)
{
    const int ns = ::open(("/run/netns/" + m_namespace).c_str(), O_RDONLY | O_CLOEXEC);
    if (ns < 0 || setns(ns, CLONE_NEWNET) != 0) {
        problem = "cannot enter the namespace";
        return -1;
    }
    close(ns);
    if (unshare(CLONE_NEWNS) != 0
        || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        problem = "cannot make a private mount namespace";
        return -1;
    }
    std::filesystem::create_directories(sysRoot);
    if (mount("sysfs", sysRoot.c_str(), "sysfs", 0, nullptr) != 0) {
        problem = "cannot mount the namespace's sysfs";
        return -1;
    }
    return createDevice(problem);
}

int TunLink::createDevice(std::string& problem)
{
    const int tun = ::open("/dev/net/tun", O_RDWR | O_CLOEXEC);
    ifreq request {};
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    std::strncpy(request.ifr_name, kInterface, IFNAMSIZ - 1);
    if (tun < 0 || ioctl(tun, TUNSETIFF, &request) != 0) {
        problem = std::string("cannot create the tun device: ") + std::strerror(errno);
        if (tun >= 0)
            close(tun);
        return -1;
    }
    // Router solicitations would add bytes of their own.
    std::ofstream(std::string("/proc/sys/net/ipv6/conf/") + kInterface + "/disable_ipv6") << "1\n";
    if (!run(std::string("ip addr add ") + kLocal + " peer " + kPeer + " dev " + kInterface)
        || !run(std::string("ip link set ") + kInterface + " up")) {
        problem = "cannot configure the link";
        close(tun);
        return -1;
    }
    return tun;
}

bool TunLink::makeIpv6Only(std::string& problem)
{
    std::ofstream(std::string("/proc/sys/net/ipv6/conf/") + kInterface + "/disable_ipv6") << "0\n";
    if (!run(std::string("ip -4 addr flush dev ") + kInterface)
        || !run(std::string("ip -6 addr add ") + kLocal6 + " peer " + kPeer6 + " dev " + kInterface
            + " nodad")) {
        problem = "cannot give the link IPv6 addresses alone";
        return false;
    }
    return true;
}

std::vector<std::uint8_t> TunLink::packetFromPeer(std::uint16_t port, std::size_t payload)
{
    std::vector<std::uint8_t> packet(20 + 8 + payload, 0x5A);
    packet[0] = 0x45;
    packet[1] = 0;
    put16(packet, 2, static_cast<std::uint16_t>(packet.size()));
    put16(packet, 4, 0);
    put16(packet, 6, 0);
    packet[8] = 64;
    packet[9] = IPPROTO_UDP;
    put16(packet, 10, 0);
    inet_pton(AF_INET, kPeer, packet.data() + 12);
    inet_pton(AF_INET, kLocal, packet.data() + 16);
    put16(packet, 10, checksum(packet.data(), 20));
    put16(packet, 20, port);
    put16(packet, 22, port);
    put16(packet, 24, static_cast<std::uint16_t>(8 + payload));
    put16(packet, 26, 0); // no UDP checksum
    return packet;
}

} // namespace testing_support
