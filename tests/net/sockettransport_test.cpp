// SPDX-License-Identifier: GPL-3.0-or-later
// The transport against loopback peers: guards, connecting, receiving lines and raw pieces,
// closing in order.
#include "net/socketlibrary.h"
#include "net/sockettransport.h"
#include "net/waitstep.h"
#include "tests/support/eventwait.h"
#include "tests/support/loopbackpeer.h"
#include "tests/support/missingpeer.h"
#include "tests/support/netbytes.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/silentnameserver.h"
#include "tests/support/transportrecorder.h"

#include <QCoreApplication>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using testing_support::LoopbackListener;

using Piece = testing_support::ReceivedPiece;
using testing_support::bytes;

using Recorder = testing_support::TransportRecorder;

using testing_support::runEventsUntil;

class SocketTransportTest : public testing::Test
{
protected:
    void SetUp() override { runtime.source().addModule("WSOCK32.DLL"); }

    // Connects to the listener and accepts; the peer's descriptor.
    int connectToPeer(net::SocketTransport& transport)
    {
        EXPECT_EQ(transport.setRemoteHost("127.0.0.1"), 0);
        EXPECT_EQ(transport.setRemotePort(listener.port()), 0);
        EXPECT_EQ(transport.connect(), 0) << transport.message();
        EXPECT_TRUE(runEventsUntil([&] { return recorder.connectCode.has_value(); }));
        EXPECT_EQ(recorder.connectCode, 0);
        return listener.accept();
    }

    testing_support::ScratchRuntime runtime;
    LoopbackListener listener;
    Recorder recorder;
};

TEST_F(SocketTransportTest, RefusesToConnectWithoutAUsableTarget)
{
    net::SocketTransport transport(recorder);
    ASSERT_TRUE(transport.winsockLoaded()) << net::SocketLibrary::instance().info();
    EXPECT_EQ(transport.connect(), 102);
    EXPECT_EQ(transport.message(), "The RemoteHost address is invalid (0.0.0.0).");
    transport.setRemoteHost("127.0.0.1");
    EXPECT_EQ(transport.connect(), 116);
    EXPECT_EQ(transport.message(),
        "RemotePort can't be zero. Please specify a valid service port number.");
    EXPECT_FALSE(transport.hasSocket()) << "no socket is made for a target that cannot work";

    transport.setFirewallType(net::THttpFirewallTypes::fwSOCKS5);
    EXPECT_EQ(transport.connect(), 102);
    EXPECT_EQ(transport.message(), "The FirewallHost address is invalid (0.0.0.0).");
    transport.setFirewallHost("127.0.0.1");
    EXPECT_EQ(transport.connect(), 116);
    EXPECT_EQ(transport.message(), "The FirewallPort is invalid (0).");
}

TEST_F(SocketTransportTest, GuardsTheTargetWhileAConnectionIsInProgress)
{
    net::SocketTransport transport(recorder);
    transport.setRemoteHost("127.0.0.1");
    transport.setRemotePort(listener.port());
    ASSERT_EQ(transport.connect(), 0);
    EXPECT_EQ(transport.connect(), 104);
    EXPECT_EQ(transport.setRemotePort(80), 100);
    EXPECT_EQ(transport.remotePort(), listener.port());
    EXPECT_EQ(transport.setRemoteHost("192.0.2.1"), 101);
    EXPECT_EQ(transport.message(),
        "You cannot change the RemoteHost at this time. A connection is in progress.");
    EXPECT_EQ(transport.remoteHost(), "192.0.2.1") << "the text changes, the address does not";
    EXPECT_EQ(transport.setLocalPort(5000), 106);
    EXPECT_EQ(transport.setMaxLineSize(100), 112);
    EXPECT_EQ(transport.maxLineSize(), 2048u);
}

TEST_F(SocketTransportTest, FailsWith10093WhenTheLibraryIsNotLoaded)
{
    net::SocketTransport transport(recorder);
    transport.setRemoteHost("127.0.0.1");
    transport.setRemotePort(listener.port());
    transport.setWinsockLoaded(false);
    EXPECT_EQ(transport.connect(), 10093);
    EXPECT_EQ(transport.message(), "[10093] Winsock not loaded yet (WSANOTINITIALISED)");
}

TEST_F(SocketTransportTest, ReportsAnUnknownHostWithTheLibrarysCode)
{
    // The name is asked of a name server of the test's own, never of the machine's.
    if (const std::string why = testing_support::DenyingNameServer::unavailable(); !why.empty())
        VANTREL_SKIP_UNLESS_CI() << why;
    const testing_support::DenyingNameServerInside dns;
    ASSERT_EQ(dns.problem(), "");
    net::SocketTransport transport(recorder);
    const int code = transport.setRemoteHost("no-such-host.invalid");
    EXPECT_GE(code, 11001);
    EXPECT_LE(code, 11004);
    EXPECT_EQ(transport.connect(), 102) << "the address stays unset";
    EXPECT_GT(dns.questionsFor("no-such-host.invalid"), 0u) << "our server was asked";
}

TEST_F(SocketTransportTest, ReportsARefusedConnectionAsItsConnectResult)
{
    net::SocketTransport transport(recorder);
    transport.setRemoteHost("127.0.0.1");
    transport.setRemotePort(LoopbackListener::closedPort());
    const int started = transport.connect();
    if (started == 0)
        ASSERT_TRUE(runEventsUntil([&] { return recorder.connectCode.has_value(); }));
    else
        recorder.connectCode = started;
    EXPECT_EQ(recorder.connectCode, 10061);
    EXPECT_FALSE(transport.hasSocket());
    EXPECT_FALSE(recorder.disconnectCode) << "a connection never made is not reported as ended";
}

TEST_F(SocketTransportTest, ReportsAFailedConnectBeforeClosingItsSocket)
{
    // Guards against the socket being gone when the failed connect is reported.
    net::SocketTransport transport(recorder);
    transport.setRemoteHost("127.0.0.1");
    transport.setRemotePort(LoopbackListener::closedPort());
    std::optional<bool> socketDuringReport;
    recorder.onReport = [&] { socketDuringReport = transport.hasSocket(); };
    ASSERT_EQ(transport.connect(), 0);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.connectCode.has_value(); }));
    EXPECT_EQ(recorder.connectCode, 10061);
    EXPECT_EQ(socketDuringReport, true);
    EXPECT_FALSE(transport.hasSocket());
    EXPECT_EQ(transport.socketHandle(), -1);
}

TEST_F(SocketTransportTest, ReportsTheCloseBeforeConnectedTurnsFalse)
{
    // Guards against Connected reading false inside the disconnected report.
    net::SocketTransport transport(recorder);
    const int peer = connectToPeer(transport);
    ASSERT_GE(peer, 0);
    std::optional<bool> connectedDuringReport;
    recorder.onReport = [&] { connectedDuringReport = transport.isConnected(); };
    ::close(peer);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    EXPECT_EQ(connectedDuringReport, true);
    EXPECT_FALSE(transport.isConnected());
}

TEST_F(SocketTransportTest, ThroughAFirewallTheHeldSocketGuardsThePort)
{
    // Guards against 101 where a firewall leaves the remote host to the negotiation.
    net::SocketTransport transport(recorder);
    transport.setFirewallType(net::THttpFirewallTypes::fwTunnel);
    ASSERT_EQ(transport.setFirewallHost("127.0.0.1"), 0);
    transport.setFirewallPort(listener.port());
    transport.setRemoteHost("example.test");
    transport.setRemotePort(80);
    ASSERT_EQ(transport.connect(), 0);
    EXPECT_EQ(transport.setRemoteHost("other.test"), 0);
    EXPECT_EQ(transport.remoteHost(), "other.test");
    EXPECT_EQ(transport.setRemotePort(8080), 100);
    EXPECT_EQ(transport.message(),
        "You cannot change the RemotePort at this time. A connection is in progress.");
    EXPECT_EQ(transport.remotePort(), 80);
}

TEST_F(SocketTransportTest, DeliversLinesThenTheTailThenTheClose)
{
    net::SocketTransport transport(recorder);
    transport.setLineEnd("\n");
    const int peer = connectToPeer(transport);
    ASSERT_GE(peer, 0);
    EXPECT_TRUE(transport.isConnected());

    std::size_t sent = 0;
    EXPECT_EQ(transport.send("GET / HTTP/1.0\r\n\r\n", sent), 0);
    EXPECT_EQ(sent, 18u);
    char request[64] {};
    EXPECT_EQ(::recv(peer, request, sizeof request, 0), 18);

    ASSERT_TRUE(testing_support::sendAll(peer, "HTTP/1.0 200 OK\r\nServer: t\n\ntail"));
    ::close(peer); // data and close arrive together
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    const std::vector<Piece> expected { { "HTTP/1.0 200 OK\r", true }, { "Server: t", true },
        { "", true }, { "tail", false } };
    EXPECT_EQ(recorder.pieces, expected);
    EXPECT_EQ(recorder.order.back(), "disconnected") << "all data comes before the close";
    EXPECT_EQ(recorder.disconnectCode, 0);
    EXPECT_FALSE(transport.hasSocket());
}

TEST_F(SocketTransportTest, CutsALongLineIntoBufferSizedPieces)
{
    net::SocketTransport transport(recorder);
    transport.setLineEnd("\n");
    ASSERT_EQ(transport.setMaxLineSize(2048), 0);
    const int peer = connectToPeer(transport);
    ASSERT_TRUE(testing_support::sendAll(peer, std::string(5000, 'x') + "\n"));
    ::close(peer);
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    const std::vector<Piece> expected { { std::string(2048, 'x'), false },
        { std::string(2048, 'x'), false }, { std::string(904, 'x'), true } };
    EXPECT_EQ(recorder.pieces, expected);
}

TEST_F(SocketTransportTest, HoldsDataBackUntilDeliveryIsEnabled)
{
    net::SocketTransport transport(recorder);
    transport.setDelivery(false);
    const int peer = connectToPeer(transport);
    ASSERT_TRUE(testing_support::sendAll(peer, "early"));
    // Held back: nothing comes while the read notification passes.
    runEventsUntil([&] { return !recorder.pieces.empty(); }, 200);
    EXPECT_TRUE(recorder.pieces.empty());
    transport.setDelivery(true);
    ASSERT_TRUE(runEventsUntil([&] { return !recorder.pieces.empty(); }));
    EXPECT_EQ(recorder.pieces.front(), (Piece { "early", true })) << "raw mode: what is there";
    ::close(peer);
}

TEST_F(SocketTransportTest, DefersACloseAskedForWhileAPieceIsHandled)
{
    net::SocketTransport transport(recorder);
    transport.setLineEnd("\n");
    const int peer = connectToPeer(transport);
    recorder.onPiece = [&] {
        transport.close(7);
        EXPECT_TRUE(transport.hasSocket()) << "the socket outlives the piece being handled";
        EXPECT_FALSE(recorder.disconnectCode);
    };
    ASSERT_TRUE(testing_support::sendAll(peer, "one\ntwo\nthree\n"));
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    EXPECT_EQ(recorder.pieces, (std::vector<Piece> { { "one", true } }))
        << "nothing after the close";
    EXPECT_EQ(recorder.disconnectCode, 7);
    ::close(peer);
}

// Reads what the firewall side has been sent so far, without blocking.
std::string drain(int fd)
{
    std::string bytes;
    char chunk[256];
    ssize_t got = 0;
    while ((got = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT)) > 0)
        bytes.append(chunk, static_cast<std::size_t>(got));
    return bytes;
}

TEST_F(SocketTransportTest, ConnectsThroughASocks4Firewall)
{
    net::SocketTransport transport(recorder);
    transport.setFirewallType(net::THttpFirewallTypes::fwSOCKS4);
    ASSERT_EQ(transport.setFirewallHost("127.0.0.1"), 0);
    transport.setFirewallPort(listener.port());
    transport.firewall().setCredentials("joe", "");
    transport.setRemoteHost("192.0.2.7");
    transport.setRemotePort(80);
    ASSERT_EQ(transport.connect(), 0) << transport.message();
    const int firewall = listener.accept();
    std::string request;
    ASSERT_TRUE(runEventsUntil([&] {
        request += drain(firewall);
        return request.size() >= 12;
    }));
    EXPECT_EQ(request, bytes({ 4, 1, 0, 80, 192, 0, 2, 7 }) + "joe" + bytes({ 0 }));
    EXPECT_FALSE(transport.isConnected()) << "not connected while the firewall negotiates";
    EXPECT_FALSE(recorder.connectCode);

    ASSERT_TRUE(testing_support::sendAll(firewall, bytes({ 0, 90, 0, 0, 0, 0, 0, 0 }) + "hello"));
    ASSERT_TRUE(runEventsUntil([&] { return !recorder.pieces.empty(); }));
    EXPECT_EQ(recorder.connectCode, 0);
    EXPECT_TRUE(transport.isConnected());
    EXPECT_EQ(recorder.pieces.front(), (Piece { "hello", true }))
        << "bytes after the reply are data";
    ::close(firewall);
}

TEST_F(SocketTransportTest, ClosesWhenTheFirewallRefuses)
{
    net::SocketTransport transport(recorder);
    transport.setFirewallType(net::THttpFirewallTypes::fwSOCKS4);
    transport.setFirewallHost("127.0.0.1");
    transport.setFirewallPort(listener.port());
    transport.setRemoteHost("192.0.2.7");
    transport.setRemotePort(80);
    ASSERT_EQ(transport.connect(), 0);
    const int firewall = listener.accept();
    ASSERT_TRUE(runEventsUntil([&] { return !drain(firewall).empty(); }));
    ASSERT_TRUE(testing_support::sendAll(firewall, bytes({ 0, 91, 0, 0, 0, 0, 0, 0 })));
    ASSERT_TRUE(runEventsUntil([&] { return recorder.disconnectCode.has_value(); }));
    EXPECT_EQ(
        recorder.errors, (std::vector<std::string> { "118 firewall request rejected or failed" }));
    EXPECT_EQ(recorder.connectCode, 118);
    EXPECT_EQ(recorder.disconnectCode, 118);
    EXPECT_FALSE(transport.hasSocket());
    ::close(firewall);
}

TEST_F(SocketTransportTest, SetsKeepAliveAndLingerOnTheSocket)
{
    const auto& f = net::SocketLibrary::instance().functions();
    const auto option = [&](const net::SocketTransport& transport, int name) {
        win::linger_ value {};
        int length = sizeof value;
        f.getsockopt(static_cast<win::SOCKET>(transport.socketHandle()), win::SOL_SOCKET_, name,
            reinterpret_cast<char*>(&value), &length);
        return value.l_onoff;
    };
    net::SocketTransport defaults(recorder);
    defaults.setRemoteHost("127.0.0.1");
    defaults.setRemotePort(listener.port());
    ASSERT_EQ(defaults.connect(), 0);
    EXPECT_EQ(option(defaults, win::SO_KEEPALIVE_), 0);
    EXPECT_EQ(option(defaults, win::SO_LINGER_), 0) << "lingering on: a close lets data drain";

    net::SocketTransport changed(recorder);
    changed.setKeepAlive(true);
    changed.setLinger(false);
    changed.setRemoteHost("127.0.0.1");
    changed.setRemotePort(listener.port());
    ASSERT_EQ(changed.connect(), 0);
    EXPECT_NE(option(changed, win::SO_KEEPALIVE_), 0);
    EXPECT_NE(option(changed, win::SO_LINGER_), 0) << "lingering off: a close resets at once";
}

TEST_F(SocketTransportTest, TellsItsLocalHostByStage)
{
    net::SocketTransport transport(recorder);
    char machine[256] {};
    ::gethostname(machine, sizeof machine - 1);
    EXPECT_EQ(transport.localHost(), std::string(machine).substr(0, 100))
        << "nothing set: the machine";
    ASSERT_EQ(transport.setLocalHost("127.0.0.1"), 0);
    EXPECT_EQ(transport.localHost(), "127.0.0.1");
    const int peer = connectToPeer(transport);
    EXPECT_EQ(transport.localHost(), "127.0.0.1") << "connected: the socket's own address";
    ::close(peer);
    transport.setWinsockLoaded(false);
    transport.setLocalHost("");
    EXPECT_EQ(transport.localHost(), "[10093] Winsock not loaded yet (WSANOTINITIALISED)");
}

TEST_F(SocketTransportTest, RefusesToSendWithoutAConnection)
{
    net::SocketTransport transport(recorder);
    std::size_t sent = 99;
    EXPECT_EQ(transport.send("x", sent), 10057);
    EXPECT_EQ(sent, 0u);
    EXPECT_EQ(net::SocketLibrary::instance().functions().WSAGetLastError(), 10057);
}

} // namespace
