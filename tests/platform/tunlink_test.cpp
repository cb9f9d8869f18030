// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux source on a real point-to-point link: a tun device in a network namespace of the
// test's own, held open by a child process that pushes traffic through it both ways.
#include "platform/linux/linuxsource.h"
#include "platform/linux/netlinklinks.h"
#include "platform/win/ras.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/tunlink.h"

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

using testing_support::TunLink;

constexpr std::uint16_t kPort = 40123;

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

    // Opens the link in the namespace and runs `step` with it and a source that sees it.
    void run(TunLink& tunLink, void (Probe::*step)(int, const std::filesystem::path&))
    {
        testing_support::TemporaryFolder sys;
        m_tunLink = &tunLink;
        std::string problem;
        const int tun = tunLink.open(sys.path() / "sys", problem);
        check(tun >= 0, problem);
        if (tun < 0)
            return;
        (this->*step)(tun, sys.path() / "sys");
        umount((sys.path() / "sys").c_str());
    }

    // The one link, once the source sees it connected; its handle, or 0.
    // The links once the one link is connected, or as they stand after a while.
    static std::vector<platform::RasLink> linksOnceConnected(platform::LinuxSource& source)
    {
        // The kernel marks a link running asynchronously (its link watch may lag a second), so
        // look again for a while, as the monitor's next ticks would.
        std::vector<platform::RasLink> links;
        testing_support::runEventsUntil(
            [&] {
                links = source.rasLinks();
                return links.size() == 1 && links[0].state == win::RASCS_Connected;
            },
            5000, 100);
        return links;
    }

    win::DWORD connectedLink(platform::LinuxSource& source)
    {
        const auto links = linksOnceConnected(source);
        check(links.size() == 1, "expected one link, found " + std::to_string(links.size()));
        if (links.size() != 1)
            return 0;
        check(links[0].entryName == TunLink::kInterface, "entry name " + links[0].entryName);
        check(links[0].state == win::RASCS_Connected, "state " + std::to_string(links[0].state));
        check(links[0].clientIp == TunLink::kLocal, "client address " + links[0].clientIp);
        check(links[0].serverIp == TunLink::kPeer, "server address " + links[0].serverIp);
        return links[0].handle;
    }

    static std::unique_ptr<platform::LinuxSource> sourceOver(const std::filesystem::path& sys)
    {
        return std::make_unique<platform::LinuxSource>(
            platform::LinuxSource::Roots { sys, "/proc", "/etc", "/run" },
            std::make_unique<platform::NetlinkLinks>(), [] { return std::string(); });
    }

    void comeCarryTrafficAndGo(int tun, const std::filesystem::path& sys)
    {
        const auto owned = sourceOver(sys);
        platform::LinuxSource& source = *owned;
        const auto handle = connectedLink(source);
        if (handle == 0)
            return;

        // Received: packets the far end sends, delivered to a socket listening on our side.
        const int listener = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local {};
        local.sin_family = AF_INET;
        local.sin_port = htons(kPort);
        inet_pton(AF_INET, TunLink::kLocal, &local.sin_addr);
        check(bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0,
            "cannot bind the listener");
        std::size_t received = 0;
        for (std::size_t payload : { 100u, 1000u, 1400u }) {
            const auto packet = TunLink::packetFromPeer(kPort, payload);
            check(write(tun, packet.data(), packet.size()) == static_cast<ssize_t>(packet.size()),
                "cannot write a packet");
            received += packet.size();
        }
        // Sent: datagrams to the far end, which count once the link's holder takes them.
        const int sender = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in peer {};
        peer.sin_family = AF_INET;
        peer.sin_port = htons(kPort);
        inet_pton(AF_INET, TunLink::kPeer, &peer.sin_addr);
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
    }

    // Guards against the tun driver's nominal 10 Gbit/s showing as the line's speed (saturated
    // to 4294967295 bits/s) and scaling the graphs so that real traffic drew nothing.
    void reportsNoNominalSpeed(int tun, const std::filesystem::path& sys)
    {
        std::ifstream speedFile(sys / "class" / "net" / TunLink::kInterface / "speed");
        long long nominal = -1;
        speedFile >> nominal;
        check(
            nominal > 0, "the tun driver reports no nominal speed here, so the test shows nothing");
        const auto owned = sourceOver(sys);
        platform::LinuxSource& source = *owned;
        const auto handle = connectedLink(source);
        platform::RasCounters counters;
        check(handle != 0 && source.rasCounters(handle, counters), "no counters for the link");
        check(counters.bitsPerSecond == 0,
            "speed " + std::to_string(counters.bitsPerSecond) + " where the driver's "
                + std::to_string(nominal) + " Mbit/s is nominal");
        close(tun);
    }

    // Guards against reading the counters of a link that went, through files kept open, once a
    // new link has its name.
    void goAndComeBackUnderTheSameName(int tun, const std::filesystem::path& sys)
    {
        const auto owned = sourceOver(sys);
        platform::LinuxSource& source = *owned;
        const auto first = connectedLink(source);
        if (first == 0)
            return;
        const auto before = TunLink::packetFromPeer(kPort, 500);
        check(write(tun, before.data(), before.size()) == static_cast<ssize_t>(before.size()),
            "cannot write a packet");
        close(tun);
        std::string problem;
        tun = m_tunLink->createDevice(problem);
        check(tun >= 0, problem);
        if (tun < 0)
            return;
        const auto second = connectedLink(source);
        check(second != 0 && second != first, "the link made again kept the first one's handle");
        platform::RasCounters counters;
        check(!source.rasCounters(first, counters), "the first link's handle still has counters");
        const auto after = TunLink::packetFromPeer(kPort, 300);
        check(write(tun, after.data(), after.size()) == static_cast<ssize_t>(after.size()),
            "cannot write a packet");
        check(source.rasCounters(second, counters), "no counters for the link made again");
        check(counters.received == after.size(),
            "received " + std::to_string(counters.received) + ", expected "
                + std::to_string(after.size()) + " (the new link's packet alone)");
        close(tun);
    }

    // Guards against an IPv6-only link, common on mobile carriers, showing no address at all.
    void showsTheAddressesOfAnIpv6OnlyLink(int tun, const std::filesystem::path& sys)
    {
        std::string problem;
        check(TunLink::makeIpv6Only(problem), problem);
        const auto owned = sourceOver(sys);
        platform::LinuxSource& source = *owned;
        const auto links = linksOnceConnected(source);
        check(links.size() == 1 && links[0].state == win::RASCS_Connected,
            "the IPv6-only link is not connected");
        if (links.size() != 1)
            return;
        check(links[0].clientIp.empty(), "an IPv4 client address " + links[0].clientIp);
        const auto facts = source.linkFacts(links[0].handle);
        check(facts.has_value(), "no facts for the link");
        if (!facts)
            return;
        check(!facts->addresses.empty() && facts->addresses[0] == TunLink::kLocal6,
            "addresses " + (facts->addresses.empty() ? std::string("none") : facts->addresses[0]));
        check(facts->peer == TunLink::kPeer6, "peer " + facts->peer);
        close(tun);
    }

    // Guards against addresses reaching the window only after a refresh interval: the kernel's
    // event is read at the next tick.
    void seesAnAddressChangeAtTheNextTick(int tun, const std::filesystem::path& sys)
    {
        const auto owned = sourceOver(sys);
        platform::LinuxSource& source = *owned;
        const auto handle = connectedLink(source);
        if (handle == 0)
            return;
        std::string problem;
        check(TunLink::makeIpv6Only(problem), problem);
        const auto links = source.rasLinks();
        check(links.size() == 1 && links[0].handle == handle, "the link changed its handle");
        check(links.size() == 1 && links[0].clientIp.empty(),
            "the IPv4 address is still shown after it went");
        const auto facts = source.linkFacts(handle);
        check(facts && !facts->addresses.empty() && facts->addresses[0] == TunLink::kLocal6,
            "the IPv6 address did not come at the next tick");
        close(tun);
    }

    // Guards against a table that stays wrong once the kernel dropped events it had no room for:
    // the whole table is read again.
    void readsEveryLinkAgainAfterEventsWereDropped(int tun, const std::filesystem::path&)
    {
        platform::NetlinkLinks kernel(2048);
        check(kernel.find(TunLink::kInterface) != nullptr, "the first report has no tun link");
        constexpr int kPairs = 40;
        const auto batch
            = std::filesystem::temp_directory_path() / ("vantrel-veth-" + std::to_string(getpid()));
        {
            std::ofstream commands(batch);
            for (int pair = 0; pair < kPairs; ++pair)
                commands << "link add va" << pair << " type veth peer name vb" << pair << "\n";
        }
        check(std::system(("ip -batch " + batch.string() + " >/dev/null 2>&1").c_str()) == 0,
            "cannot make veth pairs");
        std::filesystem::remove(batch);
        const auto before = kernel.generation();
        kernel.update();
        check(kernel.fullReports() >= 2,
            "no events were dropped, so the test shows nothing ("
                + std::to_string(kernel.fullReports()) + " reports)");
        check(kernel.generation() != before, "the table did not change");
        int found = 0;
        for (int pair = 0; pair < kPairs; ++pair) {
            found += kernel.find("va" + std::to_string(pair)) != nullptr;
            found += kernel.find("vb" + std::to_string(pair)) != nullptr;
        }
        check(found == 2 * kPairs, "found " + std::to_string(found) + " of the veth interfaces");
        check(kernel.find(TunLink::kInterface) != nullptr, "the tun link went from the table");
        close(tun);
    }

private:
    std::ostringstream m_report;
    TunLink* m_tunLink = nullptr;
};

// Runs one probe step in a child process that holds a tun link in a namespace of the test's
// own; the report lists every problem the step found, empty when there was none.
void runProbe(void (Probe::*step)(int, const std::filesystem::path&))
{
    if (const std::string reason = TunLink::unavailable(); !reason.empty())
        VANTREL_SKIP_UNLESS_CI() << reason;
    TunLink link;
    if (!link.createNamespace())
        VANTREL_SKIP_UNLESS_CI() << "cannot create a network namespace (ip netns add failed)";

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        Probe probe;
        probe.run(link, step);
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
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the probe did not finish";
    EXPECT_EQ(report, "") << report;
}

TEST(TunLinkTest, TheLinuxSourceSeesARealLinkComeCarryTrafficAndGo)
{
    runProbe(&Probe::comeCarryTrafficAndGo);
}

TEST(TunLinkTest, AnIpv6OnlyLinkHasItsIpv6AddressAndPeerAsLinkFacts)
{
    runProbe(&Probe::showsTheAddressesOfAnIpv6OnlyLink);
}

TEST(TunLinkTest, ALinkMadeAgainUnderItsNameIsANewConnectionWithItsOwnCounters)
{
    runProbe(&Probe::goAndComeBackUnderTheSameName);
}

TEST(TunLinkTest, AnAddressChangeIsSeenAtTheNextTick)
{
    runProbe(&Probe::seesAnAddressChangeAtTheNextTick);
}

TEST(TunLinkTest, EveryLinkIsReadAgainAfterTheKernelDroppedEvents)
{
    runProbe(&Probe::readsEveryLinkAgainAfterEventsWereDropped);
}

TEST(TunLinkTest, ARealTunLinkHasNoSpeedWhereItsDriverGivesANominalOne)
{
    runProbe(&Probe::reportsNoNominalSpeed);
}

} // namespace
