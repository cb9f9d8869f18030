// SPDX-License-Identifier: GPL-3.0-or-later
// The transport through real firewalls started for the test: dante as SOCKS 4 and SOCKS 5,
// tinyproxy as an HTTP CONNECT tunnel. Each carries a conversation with a loopback peer.
#include "net/sockettransport.h"
#include "net/waitstep.h"
#include "tests/support/eventwait.h"
#include "tests/support/loopbackpeer.h"
#include "tests/support/missingpeer.h"
#include "tests/support/peerdaemon.h"
#include "tests/support/scratchruntime.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using testing_support::LoopbackListener;

using testing_support::runEventsUntil;

class Recorder : public net::SocketTransport::Listener
{
public:
    void connected(int code) override { connectCode = code; }
    void received(std::string_view bytes, bool) override { data.append(bytes); }
    void disconnected(int code) override { disconnectCode = code; }
    void error(int code, const std::string& text) override
    {
        errors += std::to_string(code) + " " + text + "\n";
    }
    // A name is looked up while the test's events run, without a deadline.
    bool waitStep() override { return wait.step(); }

    net::WaitStep wait;

    std::optional<int> connectCode;
    std::optional<int> disconnectCode;
    std::string data;
    std::string errors;
};

using testing_support::PeerDaemon;

struct Route
{
    const char* name;
    net::THttpFirewallTypes type;
    std::string remoteHost; // "*" asks the firewall to resolve the name
};

void PrintTo(const Route& route, std::ostream* out)
{
    *out << route.name;
}

class FirewallPeersTest : public testing::TestWithParam<Route>
{
protected:
    void SetUp() override { runtime.source().addModule("WSOCK32.DLL"); }
    testing_support::ScratchRuntime runtime;
};

TEST_P(FirewallPeersTest, CarriesAConversationBothWays)
{
    const Route& route = GetParam();
    const bool tunnel = route.type == net::THttpFirewallTypes::fwTunnel;
    PeerDaemon daemon(tunnel ? "/usr/bin/tinyproxy" : "/usr/sbin/danted",
        tunnel ? testing_support::kTinyproxyConfig : testing_support::kDanteConfig,
        tunnel ? QStringList { "-d", "-c", "@CONF@" }
               : QStringList { "-f", "@CONF@", "-N", "1", "-p", "@DIR@/pid" });
    if (!daemon.missing().empty())
        VANTREL_SKIP_UNLESS_CI() << daemon.missing();

    LoopbackListener peer;
    Recorder recorder;
    net::SocketTransport transport(recorder);
    transport.setFirewallType(route.type);
    ASSERT_EQ(transport.setFirewallHost("127.0.0.1"), 0);
    transport.setFirewallPort(daemon.port());
    transport.setRemoteHost(route.remoteHost);
    transport.setRemotePort(peer.port());
    ASSERT_EQ(transport.connect(), 0) << transport.message();

    int accepted = -1;
    ASSERT_TRUE(runEventsUntil([&] {
        if (accepted < 0)
            accepted = peer.tryAccept();
        return accepted >= 0 && recorder.connectCode.has_value();
    })) << recorder.errors;
    ASSERT_EQ(recorder.connectCode, 0) << recorder.errors;
    EXPECT_TRUE(transport.isConnected());

    std::size_t sent = 0;
    ASSERT_EQ(transport.send("ping", sent), 0);
    std::string request;
    EXPECT_TRUE(runEventsUntil([&] {
        char chunk[16];
        const ssize_t got = ::recv(accepted, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got > 0)
            request.append(chunk, static_cast<std::size_t>(got));
        return request.size() >= 4;
    })) << "the peer never saw the request";
    EXPECT_EQ(request, "ping");

    const std::string reply(100000, 'r');
    ASSERT_TRUE(testing_support::sendAll(accepted, reply));
    ::close(accepted);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }))
        << recorder.errors;
    EXPECT_EQ(recorder.data, reply) << "every byte through the firewall, in order";
}

INSTANTIATE_TEST_SUITE_P(Firewalls, FirewallPeersTest,
    testing::Values(Route { "Socks4", net::THttpFirewallTypes::fwSOCKS4, "127.0.0.1" },
        Route { "Socks5ByAddress", net::THttpFirewallTypes::fwSOCKS5, "127.0.0.1" },
        Route { "Socks5ByName", net::THttpFirewallTypes::fwSOCKS5, "*localhost" },
        Route { "Tunnel", net::THttpFirewallTypes::fwTunnel, "127.0.0.1" }),
    [](const testing::TestParamInfo<Route>& row) { return std::string(row.param.name); });

} // namespace
