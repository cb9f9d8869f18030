// SPDX-License-Identifier: GPL-3.0-or-later
// The transport's rules over the scripted pipe and resolver: the same code that runs over a socket
// resolves through the resolver it is given, negotiates a firewall and cuts what the peer sends.
#include "net/sockettransport.h"
#include "tests/support/eventwait.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/transportrecorder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testing_support::runEventsUntil;

using Piece = testing_support::ReceivedPiece;

class TransportSeamsTest : public testing::Test
{
protected:
    TransportSeamsTest()
        : seams(testing_support::scriptedPeer(runtime.source(), script, log))
        , names(std::static_pointer_cast<testing_support::ScriptedNames>(seams.resolver))
    {
    }

    testing_support::ScratchRuntime runtime;
    testing_support::PeerScript script;
    testing_support::PeerLog log;
    net::TransportSeams seams;
    std::shared_ptr<testing_support::ScriptedNames> names;
    testing_support::TransportRecorder recorder;
};

TEST_F(TransportSeamsTest, ResolvesThroughTheResolverItIsGiven)
{
    // Guards against a lookup that bypasses the injected resolver and asks the machine's.
    script.responses = { "one\ntwo" };
    net::SocketTransport transport(recorder, seams);
    transport.setLineEnd("\n");
    ASSERT_EQ(transport.setRemoteHost("example.test"), 0) << transport.message();
    ASSERT_EQ(transport.setRemotePort(80), 0);
    EXPECT_EQ(names->asked(), 1);
    ASSERT_EQ(transport.connect(), 0) << transport.message();
    EXPECT_EQ(log.remoteHost, "example.test");
    EXPECT_EQ(log.remotePort, 80);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.connectCode.has_value(); }));
    std::size_t sent = 0;
    ASSERT_EQ(transport.send("hello", sent), 0);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    EXPECT_EQ(recorder.pieces, (std::vector<Piece> { { "one", true }, { "two", false } }));
    EXPECT_EQ(recorder.disconnectCode, 0);
}

TEST_F(TransportSeamsTest, NegotiatesATunnelWithoutLookingTheHostUp)
{
    // Guards against the tunnel resolving the name it only passes on as text.
    script.responses = { "HTTP/1.0 200 Connection established\r\n\r\nhello" };
    net::SocketTransport transport(recorder, seams);
    transport.setFirewallType(net::THttpFirewallTypes::fwTunnel);
    ASSERT_EQ(transport.setFirewallHost("192.0.2.1"), 0);
    transport.setFirewallPort(3128);
    ASSERT_EQ(transport.setRemoteHost("example.test"), 0);
    ASSERT_EQ(transport.setRemotePort(80), 0);
    ASSERT_EQ(transport.connect(), 0) << transport.message();
    ASSERT_TRUE(runEventsUntil([&] { return !recorder.pieces.empty(); })) << log.sent();
    EXPECT_EQ(names->asked(), 0);
    EXPECT_EQ(log.remoteHost, "192.0.2.1");
    EXPECT_EQ(log.remotePort, 3128);
    EXPECT_EQ(log.sent(), "CONNECT example.test:80 HTTP/1.0\r\n\r\n");
    EXPECT_EQ(recorder.connectCode, 0);
    EXPECT_EQ(recorder.pieces.front(), (Piece { "hello", true }))
        << "raw mode: what came after the reply";
}

TEST_F(TransportSeamsTest, KeepsTheSameRefusalsOverAnyPipe)
{
    script.connectCompletes = false;
    net::SocketTransport transport(recorder, seams);
    ASSERT_EQ(transport.setRemoteHost("192.0.2.7"), 0);
    ASSERT_EQ(transport.setRemotePort(80), 0);
    ASSERT_EQ(transport.connect(), 0);
    EXPECT_EQ(transport.connect(), 104);
    EXPECT_EQ(transport.setRemoteHost("other.test"), 101);
    EXPECT_EQ(transport.message(),
        "You cannot change the RemoteHost at this time. A connection is in progress.");
    EXPECT_EQ(transport.setRemotePort(81), 100);
    EXPECT_EQ(transport.setMaxLineSize(100), 112);
    EXPECT_EQ(transport.message(),
        "You cannot change MaxLineSize at this time. A connection is in progress.");
    std::size_t sent = 0;
    EXPECT_EQ(transport.send("x", sent), 10057) << "not connected while the connect is pending";
    transport.close(0);
    EXPECT_EQ(recorder.disconnectCode, 0);
    EXPECT_FALSE(transport.hasSocket());
}

} // namespace
