// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/iphelper.h"
#include "tests/support/accessfixture.h"

using testing_support::AccessTest;

namespace {

class NetworkParamsTest : public AccessTest
{
protected:
    TNetworkParams withCallerValues()
    {
        TNetworkParams params;
        for (auto& server : params.DnsServers)
            server = QStringLiteral("caller");
        return params;
    }
};

TEST_F(NetworkParamsTest, DnsServersInListOrder)
{
    fake().network.dnsServers = { "10.0.0.1", "10.0.0.2", "10.0.0.3" };
    auto params = withCallerValues();
    ASSERT_EQ(ReadNetworkParams(params), 0);
    EXPECT_EQ(params.DnsCount, 3);
    EXPECT_EQ(params.DnsServers[0], QStringLiteral("10.0.0.1"));
    EXPECT_EQ(params.DnsServers[2], QStringLiteral("10.0.0.3"));
    EXPECT_EQ(params.DnsServers[3], QStringLiteral("caller"))
        << "entries past the count are the caller's";
}

TEST_F(NetworkParamsTest, AtMostTenServers)
{
    auto& network = fake().network;
    for (int i = 1; i <= 12; ++i)
        network.dnsServers.push_back("10.0.0." + std::to_string(i));
    auto params = withCallerValues();
    ASSERT_EQ(ReadNetworkParams(params), 0);
    EXPECT_EQ(params.DnsCount, 10);
    EXPECT_EQ(params.DnsServers[9], QStringLiteral("10.0.0.10"));
}

TEST_F(NetworkParamsTest, AnEmptyFirstEntryIsSkipped)
{
    fake().network.dnsServers = { "", "10.0.0.9" };
    auto params = withCallerValues();
    ASSERT_EQ(ReadNetworkParams(params), 0);
    EXPECT_EQ(params.DnsCount, 1);
    EXPECT_EQ(params.DnsServers[0], QStringLiteral("10.0.0.9"));
}

TEST_F(NetworkParamsTest, NoServersLeaveEveryEntry)
{
    fake().network.hostName = "  box \t";
    auto params = withCallerValues();
    ASSERT_EQ(ReadNetworkParams(params), 0);
    EXPECT_EQ(params.DnsCount, 0);
    EXPECT_EQ(params.DnsServers[0], QStringLiteral("caller"));
    EXPECT_EQ(params.HostName, QStringLiteral("box")) << "blanks and control characters trimmed";
}

TEST_F(NetworkParamsTest, AMissingLibraryIsTriedAgainNextTime)
{
    m_runtime.reset();
    m_runtime = std::make_unique<testing_support::ScratchRuntime>(); // no IP Helper at first
    auto params = withCallerValues();
    params.HostName = QStringLiteral("untouched");
    EXPECT_EQ(ReadNetworkParams(params), 50);
    EXPECT_EQ(params.HostName, QStringLiteral("untouched"));
    m_runtime->source().addModule("IPHLPAPI.DLL");
    m_runtime->source().network.hostName = "box";
    EXPECT_EQ(ReadNetworkParams(params), 0) << "the next call loads the library";
    EXPECT_EQ(params.HostName, QStringLiteral("box"));
}

// Guards against calling a null GetNetworkParams of a library that lacks it.
TEST_F(NetworkParamsTest, ALibraryWithoutTheEntryPointCountsAsMissing)
{
    fake().removeEntryPoint("GetNetworkParams");
    auto params = withCallerValues();
    EXPECT_EQ(ReadNetworkParams(params), 50);
    EXPECT_EQ(params.DnsServers[0], QStringLiteral("caller"));
}

} // namespace
