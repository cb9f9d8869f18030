// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux source on a real point-to-point link: a tun device in a network namespace of the
// test's own, held open by a child process that pushes traffic through it both ways.
#include "platform/linux/linuxsource.h"
#include "platform/win/ras.h"
#include "tests/support/scratchruntime.h"

#include <arpa/inet.h>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kInterface = "vtun0";
constexpr const char* kLocal = "10.64.1.7";
constexpr const char* kPeer = "10.64.0.1";
constexpr std::uint16_t kPort = 40123;

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

// An IPv4 UDP packet from the peer to our port, as the far end of the link would send it.
std::vector<std::uint8_t> packetFromPeer(std::size_t payload)
{
    std::vector<std::uint8_t> packet(20 + 8 + payload, 0x5A);
    const auto total = static_cast<std::uint16_t>(packet.size());
    packet[0] = 0x45;
    packet[1] = 0;
    packet[2] = static_cast<std::uint8_t>(total >> 8);
    packet[3] = static_cast<std::uint8_t>(total);
    packet[4] = packet[5] = packet[6] = packet[7] = 0;
    packet[8] = 64;
    packet[9] = IPPROTO_UDP;
    packet[10] = packet[11] = 0;
    inet_pton(AF_INET, kPeer, packet.data() + 12);
    inet_pton(AF_INET, kLocal, packet.data() + 16);
    const std::uint16_t header = checksum(packet.data(), 20);
    packet[10] = static_cast<std::uint8_t>(header >> 8);
    packet[11] = static_cast<std::uint8_t>(header);
    const auto udpLength = static_cast<std::uint16_t>(8 + payload);
    packet[20] = packet[22] = static_cast<std::uint8_t>(kPort >> 8);
    packet[21] = packet[23] = static_cast<std::uint8_t>(kPort);
    packet[24] = static_cast<std::uint8_t>(udpLength >> 8);
    packet[25] = static_cast<std::uint8_t>(udpLength);
    packet[26] = packet[27] = 0; // no UDP checksum
    return packet;
}

// Runs inside the namespace, in a child process; every problem becomes one line of the report.
class Probe
{
public:
    void check(bool ok, const std::string& what)
    {
        if (!ok)
            m_report << what << "\n";
    }
    std::string report() const { return m_report.str(); }

    void run(const std::string& netns)
    {
        const int ns = ::open(("/run/netns/" + netns).c_str(), O_RDONLY);
        check(ns >= 0 && setns(ns, CLONE_NEWNET) == 0, "cannot enter the namespace");
        // A sysfs mounted from inside the namespace shows its interfaces.
        check(unshare(CLONE_NEWNS) == 0
                && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0,
            "cannot make a private mount namespace");
        testing_support::TemporaryFolder sys;
        std::filesystem::create_directories(sys.path() / "sys");
        check(mount("sysfs", (sys.path() / "sys").c_str(), "sysfs", 0, nullptr) == 0,
            "cannot mount sysfs");

        int tun = ::open("/dev/net/tun", O_RDWR | O_CLOEXEC);
        ifreq request {};
        request.ifr_flags = IFF_TUN | IFF_NO_PI;
        std::strncpy(request.ifr_name, kInterface, IFNAMSIZ - 1);
        check(tun >= 0 && ioctl(tun, TUNSETIFF, &request) == 0, "cannot create the tun device");
        std::ofstream(std::string("/proc/sys/net/ipv6/conf/") + kInterface + "/disable_ipv6")
            << "1\n";
        check(::run(std::string("ip addr add ") + kLocal + " peer " + kPeer + " dev " + kInterface)
                && ::run(std::string("ip link set ") + kInterface + " up"),
            "cannot configure the link");

        platform::LinuxSource source({ sys.path() / "sys", "/proc", "/etc", "/run" },
            std::make_unique<platform::SystemAddressReader>(), [] { return std::string(); });
        // The kernel marks a link running asynchronously (its link watch may lag a second), so
        // look again for a while, as the monitor's next ticks would.
        auto links = source.rasLinks();
        for (int attempt = 0;
             attempt < 50 && (links.size() != 1 || links[0].state != win::RASCS_Connected);
             ++attempt) {
            usleep(100000);
            links = source.rasLinks();
        }
        check(links.size() == 1, "expected one link, found " + std::to_string(links.size()));
        if (links.size() != 1)
            return;
        const auto handle = links[0].handle;
        check(links[0].entryName == kInterface, "entry name " + links[0].entryName);
        check(links[0].state == win::RASCS_Connected, "state " + std::to_string(links[0].state));
        check(links[0].clientIp == kLocal, "client address " + links[0].clientIp);
        check(links[0].serverIp == kPeer, "server address " + links[0].serverIp);

        // Received: packets the far end sends, delivered to a socket listening on our side.
        const int listener = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local {};
        local.sin_family = AF_INET;
        local.sin_port = htons(kPort);
        inet_pton(AF_INET, kLocal, &local.sin_addr);
        check(bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0,
            "cannot bind the listener");
        std::size_t received = 0;
        for (std::size_t payload : { 100u, 1000u, 1400u }) {
            const auto packet = packetFromPeer(payload);
            check(write(tun, packet.data(), packet.size()) == static_cast<ssize_t>(packet.size()),
                "cannot write a packet");
            received += packet.size();
        }
        // Sent: datagrams to the far end, which count once the link's holder takes them.
        const int sender = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in peer {};
        peer.sin_family = AF_INET;
        peer.sin_port = htons(kPort);
        inet_pton(AF_INET, kPeer, &peer.sin_addr);
        std::size_t sent = 0;
        for (std::size_t payload : { 200u, 600u }) {
            const std::vector<char> data(payload, 'x');
            sendto(sender, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&peer),
                sizeof peer);
            std::vector<std::uint8_t> buffer(4096);
            const ssize_t got = read(tun, buffer.data(), buffer.size());
            check(got == static_cast<ssize_t>(28 + payload),
                "read " + std::to_string(got) + " bytes from the link");
            sent += got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        platform::RasCounters counters;
        check(source.rasCounters(handle, counters), "no counters for the link");
        check(counters.received == received,
            "received " + std::to_string(counters.received) + ", expected "
                + std::to_string(received));
        check(counters.sent == sent,
            "sent " + std::to_string(counters.sent) + ", expected " + std::to_string(sent));

        // The link goes away with the process's hold on it.
        close(tun);
        platform::RasLink link;
        check(!source.rasLink(handle, link), "the link's handle outlived the link");
        check(source.rasLinks().empty(), "the link is still listed after it went away");
        umount((sys.path() / "sys").c_str());
    }

private:
    std::ostringstream m_report;
};

TEST(TunLink, TheLinuxSourceSeesARealLinkComeCarryTrafficAndGo)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root for network namespaces and tun devices";
    if (access("/dev/net/tun", R_OK | W_OK) != 0)
        GTEST_SKIP() << "/dev/net/tun is not available on this machine";
    const std::string netns = "vantrel-test-" + std::to_string(getpid());
    if (!run("ip netns add " + netns))
        GTEST_SKIP() << "cannot create a network namespace (ip netns add failed)";

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        Probe probe;
        probe.run(netns);
        const std::string report = probe.report();
        [[maybe_unused]] auto written = write(pipeFds[1], report.data(), report.size());
        _exit(0);
    }
    close(pipeFds[1]);
    std::string report;
    char buffer[1024];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run("ip netns del " + netns);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the probe did not finish";
    EXPECT_EQ(report, "") << report;
}

} // namespace
