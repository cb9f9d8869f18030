// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux source over sample /sys, /proc, /etc and /run trees.
#include "platform/linux/resolverconfig.h"
#include "platform/win/ras.h"
#include "tests/platform/linuxlinks.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace testing_support::linuxlinks;

namespace {

TEST_F(LinuxLinks, APointToPointLinkIsAConnection)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    addInterface("eth0", kUp | kRunning, 2, 1);
    addInterface("lo", kUp | kRunning | 0x8, 1, 772);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    m_addresses["eth0"] = ipv4Link("192.168.1.2");
    auto& machine = source();
    const auto links = machine.rasLinks();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].entryName, "ppp0");
    EXPECT_EQ(links[0].state, win::RASCS_Connected);
    EXPECT_EQ(links[0].clientIp, "10.64.1.7");
    EXPECT_EQ(links[0].serverIp, "10.64.0.1");
    EXPECT_EQ(links[0].deviceType, "modem");
    EXPECT_NE(links[0].handle, 0u);
}

TEST_F(LinuxLinks, StateFollowsCarrierAndAddress)
{
    addInterface("tun0", kUp | kPointToPoint, 9, 65534);
    setCarrier("tun0", false);
    m_addresses["tun0"] = ipv4Link("10.8.0.2", "10.8.0.1");
    auto& machine = source();
    ASSERT_EQ(machine.rasLinks().size(), 1u);
    EXPECT_EQ(machine.rasLinks()[0].state, 10u) << "up, but no carrier: still negotiating";
    EXPECT_EQ(machine.rasLinks()[0].deviceType, "vpn");
    setCarrier("tun0", true);
    m_addresses.erase("tun0");
    EXPECT_EQ(machine.rasLinks()[0].state, 10u) << "carrier, but no address yet";
    m_addresses["tun0"] = ipv6Link("2001:db8::7");
    EXPECT_EQ(machine.rasLinks()[0].state, win::RASCS_Connected) << "an IPv6-only link counts";
    EXPECT_TRUE(machine.rasLinks()[0].clientIp.empty());
    setCarrier("tun0", false);
    EXPECT_EQ(machine.rasLinks()[0].state, 10u);
}

TEST_F(LinuxLinks, ConfiguredPatternsAddOtherInterfaces)
{
    addInterface("wwan0", kUp | kRunning, 4, 519);
    addInterface("eth0", kUp | kRunning, 2, 1);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    auto& machine = source(" wwan* , usb0");
    const auto links = machine.rasLinks();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].entryName, "wwan0");
    EXPECT_EQ(links[0].deviceType, "modem");
}

TEST_F(LinuxLinks, CountersStartAtDiscoveryAndClearToZero)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    setCounters("ppp0", 1000, 5000);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    auto& machine = source();
    const auto handle = machine.rasLinks()[0].handle;
    setCounters("ppp0", 1300, 9000);
    platform::RasCounters counters;
    ASSERT_TRUE(machine.rasCounters(handle, counters));
    EXPECT_EQ(counters.sent, 300u);
    EXPECT_EQ(counters.received, 4000u);
    ASSERT_TRUE(machine.clearRasCounters(handle));
    setCounters("ppp0", 1301, 9002);
    machine.rasCounters(handle, counters);
    EXPECT_EQ(counters.sent, 1u);
    EXPECT_EQ(counters.received, 2u);
}

TEST_F(LinuxLinks, ALinkThatGoesAwayIsADeadHandleAndComesBackAsANewOne)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    auto& machine = source();
    const auto first = machine.rasLinks()[0].handle;
    removeInterface("ppp0");
    platform::RasLink link;
    EXPECT_FALSE(machine.rasLink(first, link));
    EXPECT_TRUE(machine.rasLinks().empty());
    platform::RasCounters counters;
    EXPECT_FALSE(machine.rasCounters(first, counters));

    addInterface("ppp0", kUp | kRunning | kPointToPoint, 8);
    ASSERT_EQ(machine.rasLinks().size(), 1u);
    EXPECT_NE(machine.rasLinks()[0].handle, first);

    const auto second = machine.rasLinks()[0].handle;
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 12); // replaced between two ticks
    ASSERT_EQ(machine.rasLinks().size(), 1u);
    EXPECT_NE(machine.rasLinks()[0].handle, second);
}

// Guards against reading a removed link's files, kept open, once a new link has its name: with
// the same interface index the names and numbers alone cannot tell them apart.
TEST_F(LinuxLinks, ALinkMadeAgainUnderItsNameBetweenTwoTicksIsANewConnectionWithItsOwnCounters)
{
    for (const int ifindex : { 7, 8 }) {
        SCOPED_TRACE("interface index " + std::to_string(ifindex) + " after 7");
        removeInterface("ppp0");
        addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
        setCounters("ppp0", 5000, 9000);
        m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
        auto& machine = source();
        const auto first = machine.rasLinks()[0].handle;
        setCounters("ppp0", 5100, 9400);
        platform::RasCounters counters;
        ASSERT_TRUE(machine.rasCounters(first, counters));
        EXPECT_EQ(counters.received, 400u);
        ASSERT_EQ(machine.rasLinks().size(), 1u); // a tick: every file a tick reads is open

        removeInterface("ppp0");
        addInterface("ppp0", kUp | kRunning | kPointToPoint, ifindex);
        setCounters("ppp0", 40, 60);
        const auto links = machine.rasLinks();
        ASSERT_EQ(links.size(), 1u);
        const auto second = links[0].handle;
        EXPECT_NE(second, first);
        EXPECT_FALSE(machine.rasCounters(first, counters));
        setCounters("ppp0", 70, 160);
        ASSERT_TRUE(machine.rasCounters(second, counters));
        EXPECT_EQ(counters.sent, 30u);
        EXPECT_EQ(counters.received, 100u);
        platform::RasLink link;
        EXPECT_TRUE(machine.rasLink(second, link));
        setCarrier("ppp0", false);
        ASSERT_EQ(machine.rasLinks().size(), 1u);
        EXPECT_EQ(machine.rasLinks()[0].state, 10u) << "the new folder's carrier is read";
    }
}

TEST_F(LinuxLinks, ADownLinkIsNotListedAndSeenTheMomentItComesUp)
{
    addInterface("ppp0", kPointToPoint, 7);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    auto& machine = source();
    EXPECT_TRUE(machine.rasLinks().empty());
    setFlags("ppp0", kUp | kPointToPoint);
    EXPECT_EQ(machine.rasLinks().size(), 1u);
}

TEST_F(LinuxLinks, NetworkParametersComeFromTheResolverAndTheKernel)
{
    write(m_root.path() / "proc" / "sys" / "kernel" / "hostname", "box\n");
    write(m_root.path() / "etc" / "resolv.conf",
        "# stub\nnameserver 127.0.0.53\noptions edns0\nsearch lan\n");
    write(m_root.path() / "run" / "systemd" / "resolve" / "resolv.conf",
        "nameserver 10.0.0.1\nnameserver fe80::1\nnameserver 10.0.0.2\n");
    auto params = source().networkParams();
    EXPECT_EQ(params.hostName, "box");
    EXPECT_EQ(params.dnsServers, (std::vector<std::string> { "10.0.0.1", "10.0.0.2" }))
        << "through the local stub to its upstream servers, IPv4 only";
    EXPECT_EQ(params.domainName, "lan");
}

TEST_F(LinuxLinks, LinkFactsCarryEveryAddressTheWholeCountersAndBothFamiliesOfServers)
{
    addInterface("tun0", kUp | kRunning | kPointToPoint, 9, 65534);
    m_addresses["tun0"]
        = { { AF_INET6, "fe80::7", "" }, { AF_INET6, "2001:db8::7", "2001:db8::1" } };
    write(m_root.path() / "etc" / "resolv.conf", "nameserver 2001:db8::53\nnameserver 10.0.0.1\n");
    setCounters("tun0", 5'000'000'000, 10);
    auto& machine = source();
    const auto links = machine.rasLinks();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(links[0].clientIp.empty()) << "the dial-up shape holds IPv4 alone";
    setCounters("tun0", 5'000'000'000 + 6'000'000'000, 30);
    const auto facts = machine.linkFacts(links[0].handle);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->addresses, (std::vector<std::string> { "2001:db8::7", "fe80::7" }));
    EXPECT_EQ(facts->peer, "2001:db8::1");
    EXPECT_EQ(facts->dnsServers, (std::vector<std::string> { "2001:db8::53", "10.0.0.1" }));
    EXPECT_TRUE(facts->connection.empty()) << "no network manager here";
    EXPECT_FALSE(machine.linkFacts(links[0].handle + 1).has_value());
    const auto counters = machine.linkCounters(links[0].handle);
    ASSERT_TRUE(counters.has_value());
    EXPECT_EQ(counters->sent, 6'000'000'000u) << "beyond 32 bits, from the link's first sight";
    EXPECT_EQ(counters->received, 20u);
    EXPECT_FALSE(machine.linkCounters(links[0].handle + 1).has_value());
}

TEST(ResolverConfig, Parsing)
{
    const auto config = platform::parseResolverConfig("; comment\n"
                                                      "nameserver 10.0.0.1 # trailing\n"
                                                      "nameserver\n"
                                                      "nameserver not-an-address\n"
                                                      "  nameserver   10.0.0.2\n"
                                                      "nameserver 2001:db8::53\n"
                                                      "search first.example second.example\n"
                                                      "domain home.example\n");
    EXPECT_EQ(config.nameservers, (std::vector<std::string> { "10.0.0.1", "10.0.0.2" }));
    EXPECT_EQ(config.allNameservers,
        (std::vector<std::string> { "10.0.0.1", "10.0.0.2", "2001:db8::53" }));
    EXPECT_EQ(config.domain, "home.example") << "domain wins over search";
    EXPECT_EQ(platform::parseResolverConfig("search a.example b.example\n").domain, "a.example");
}

TEST(ResolverConfig, AStubWithoutAnUpstreamListIsShownAsItIs)
{
    testing_support::TemporaryFolder root;
    std::filesystem::create_directories(root.path() / "etc");
    std::ofstream(root.path() / "etc" / "resolv.conf") << "nameserver 127.0.0.53\n";
    const auto config = platform::readResolverConfig(root.path() / "etc", root.path() / "run");
    EXPECT_EQ(config.nameservers, std::vector<std::string> { "127.0.0.53" });
}

} // namespace
