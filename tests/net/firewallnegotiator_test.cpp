// SPDX-License-Identifier: GPL-3.0-or-later
// The firewall negotiations byte for byte: HTTP CONNECT tunnel, SOCKS 4 and SOCKS 5.
#include "net/base64.h"
#include "net/firewallnegotiator.h"
#include "tests/support/netbytes.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using net::FirewallNegotiator;
using net::THttpFirewallTypes;
using Status = FirewallNegotiator::Step::Status;

using testing_support::bytes;

const FirewallNegotiator::Target kWebServer { "www.example.org", 80, 0xC0000221 }; // 192.0.2.33

TEST(Base64, EncodesEveryPaddingCase)
{
    EXPECT_EQ(net::base64Encode(""), "");
    EXPECT_EQ(net::base64Encode("f"), "Zg==");
    EXPECT_EQ(net::base64Encode("fo"), "Zm8=");
    EXPECT_EQ(net::base64Encode("foo"), "Zm9v");
    EXPECT_EQ(net::base64Encode("Aladdin:open sesame"), "QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    EXPECT_EQ(net::base64Encode(bytes({ 0xFF, 0xFE })), "//4=");
}

TEST(TunnelNegotiation, AsksForTheTargetAndWaitsForTheBlankLine)
{
    FirewallNegotiator negotiator;
    EXPECT_EQ(negotiator.start(THttpFirewallTypes::fwTunnel, kWebServer).send,
        "CONNECT www.example.org:80 HTTP/1.0\r\n\r\n");
    EXPECT_EQ(
        negotiator.receive("HTTP/1.0 200 Connection established\r\n").status, Status::Pending);
    const auto done = negotiator.receive("Proxy-agent: test\r\n\r\nHTTP/1.0 200 OK");
    EXPECT_EQ(done.status, Status::Succeeded);
    EXPECT_EQ(done.data, "HTTP/1.0 200 OK") << "what follows the proxy's reply belongs to the peer";
    EXPECT_FALSE(negotiator.negotiating());
}

TEST(TunnelNegotiation, SendsCredentialsWhenEitherIsSet)
{
    FirewallNegotiator negotiator;
    negotiator.setCredentials("Aladdin", "open sesame");
    EXPECT_EQ(negotiator.start(THttpFirewallTypes::fwTunnel, kWebServer).send,
        "CONNECT www.example.org:80 HTTP/1.0\r\nProxy-authorization: Basic "
        "QWxhZGRpbjpvcGVuIHNlc2FtZQ==\r\n\r\n");
    negotiator.setCredentials("", "secret");
    EXPECT_NE(
        negotiator.start(THttpFirewallTypes::fwTunnel, kWebServer).send.find("Basic OnNlY3JldA=="),
        std::string::npos);
}

TEST(TunnelNegotiation, FailsWithTheReplyOnAnythingButSuccess)
{
    FirewallNegotiator negotiator;
    negotiator.start(THttpFirewallTypes::fwTunnel, kWebServer);
    const std::string reply = "HTTP/1.0   407 Proxy Authentication Required\r\n";
    const auto step = negotiator.receive(reply);
    EXPECT_EQ(step.status, Status::Failed) << "the code is found past every space";
    EXPECT_EQ(step.error, reply);

    negotiator.start(THttpFirewallTypes::fwTunnel, kWebServer);
    EXPECT_EQ(negotiator.receive(std::string(9000, 'A')).status, Status::Failed)
        << "a reply that never ends is bounded";
}

TEST(Socks4Negotiation, SendsTheRequestAndReadsTheEightByteReply)
{
    FirewallNegotiator negotiator;
    negotiator.setCredentials("joe", "ignored");
    EXPECT_EQ(negotiator.start(THttpFirewallTypes::fwSOCKS4, kWebServer).send,
        bytes({ 4, 1, 0, 80, 192, 0, 2, 33 }) + "joe" + bytes({ 0 }));
    EXPECT_EQ(negotiator.receive(bytes({ 0, 90, 0, 0 })).status, Status::Pending);
    const auto done = negotiator.receive(bytes({ 0, 0, 0, 0 }) + "HTTP");
    EXPECT_EQ(done.status, Status::Succeeded);
    EXPECT_EQ(done.data, "HTTP");
}

TEST(Socks4Negotiation, NamesEachRefusal)
{
    const struct
    {
        int code;
        const char* text;
    } rows[] = {
        { 91, "firewall request rejected or failed" },
        { 92, "firewall request rejected because identd is not available" },
        { 93, "firewall request rejected because identd reports different user" },
        { 17, "unknown firewall error: 17" },
    };
    for (const auto& row : rows) {
        FirewallNegotiator negotiator;
        negotiator.start(THttpFirewallTypes::fwSOCKS4, kWebServer);
        const auto step = negotiator.receive(bytes({ 0, row.code, 0, 0, 0, 0, 0, 0 }));
        EXPECT_EQ(step.status, Status::Failed) << row.code;
        EXPECT_EQ(step.error, row.text);
    }
    FirewallNegotiator unresolved;
    EXPECT_EQ(
        unresolved.start(THttpFirewallTypes::fwSOCKS4, { "nowhere", 80, std::nullopt }).status,
        Status::Failed);
}

TEST(Socks5Negotiation, ConnectsWithoutAuthentication)
{
    FirewallNegotiator negotiator;
    negotiator.setCredentials("joe", ""); // a user alone is not enough to offer method 2
    EXPECT_EQ(negotiator.start(THttpFirewallTypes::fwSOCKS5, kWebServer).send, bytes({ 5, 1, 0 }));
    const auto request = negotiator.receive(bytes({ 5, 0 }));
    EXPECT_EQ(request.send, bytes({ 5, 1, 0, 1, 192, 0, 2, 33, 0, 80 }));
    const auto done = negotiator.receive(bytes({ 5, 0, 0, 1, 10, 0, 0, 1, 4, 0 }) + "body");
    EXPECT_EQ(done.status, Status::Succeeded);
    EXPECT_EQ(done.data, "body");
}

TEST(Socks5Negotiation, AuthenticatesWithUserAndPassword)
{
    FirewallNegotiator negotiator;
    negotiator.setCredentials("joe", "pw");
    EXPECT_EQ(
        negotiator.start(THttpFirewallTypes::fwSOCKS5, kWebServer).send, bytes({ 5, 2, 0, 2 }));
    EXPECT_EQ(
        negotiator.receive(bytes({ 5, 2 })).send, bytes({ 1, 3 }) + "joe" + bytes({ 2 }) + "pw");
    EXPECT_EQ(
        negotiator.receive(bytes({ 1, 0 })).send, bytes({ 5, 1, 0, 1, 192, 0, 2, 33, 0, 80 }));

    negotiator.start(THttpFirewallTypes::fwSOCKS5, kWebServer);
    negotiator.receive(bytes({ 5, 2 }));
    const auto refused = negotiator.receive(bytes({ 1, 1 }));
    EXPECT_EQ(refused.status, Status::Failed);
    EXPECT_EQ(refused.error, "firewall authentication failed: 1");
}

TEST(Socks5Negotiation, SendsADomainNameWithItsLength)
{
    // Guards against the name going out without its length byte, which servers reject.
    FirewallNegotiator negotiator;
    negotiator.start(THttpFirewallTypes::fwSOCKS5, { "*example.org", 8080, std::nullopt });
    EXPECT_EQ(negotiator.receive(bytes({ 5, 0 })).send,
        bytes({ 5, 1, 0, 3, 11 }) + "example.org" + bytes({ 0x1F, 0x90 }));
    // A reply whose bound address is a name is as long as that name says.
    const auto done = negotiator.receive(bytes({ 5, 0, 0, 3, 2 }) + "ab" + bytes({ 0, 1 }) + "X");
    EXPECT_EQ(done.status, Status::Succeeded);
    EXPECT_EQ(done.data, "X");
}

TEST(Socks5Negotiation, NamesEachRefusal)
{
    const struct
    {
        std::string reply;
        const char* text;
    } rows[] = {
        { bytes({ 5, 255 }), "no acceptable firewall authentication methods" },
        { bytes({ 5, 7 }), "unknown firewall authentication method" },
        { bytes({ 5, 0, 5, 1, 0, 1, 0, 0, 0, 0, 0, 0 }), "general SOCKS server failure" },
        { bytes({ 5, 0, 5, 2, 0, 1, 0, 0, 0, 0, 0, 0 }), "connection not allowed by ruleset" },
        { bytes({ 5, 0, 5, 5, 0, 1, 0, 0, 0, 0, 0, 0 }), "connection refused" },
        { bytes({ 5, 0, 5, 8, 0, 1, 0, 0, 0, 0, 0, 0 }), "address type not supported" },
        { bytes({ 5, 0, 5, 9, 0, 1, 0, 0, 0, 0, 0, 0 }), "unknown firewall error: 9" },
    };
    for (const auto& row : rows) {
        FirewallNegotiator negotiator;
        negotiator.start(THttpFirewallTypes::fwSOCKS5, kWebServer);
        auto step = negotiator.receive(row.reply.substr(0, 2));
        if (step.status == Status::Pending)
            step = negotiator.receive(row.reply.substr(2));
        EXPECT_EQ(step.status, Status::Failed) << row.text;
        EXPECT_EQ(step.error, row.text);
    }
}

TEST(FirewallCredentials, AreCutToWhatTheProtocolsCarry)
{
    FirewallNegotiator negotiator;
    negotiator.setCredentials(std::string(300, 'u'), std::string(256, 'p'));
    EXPECT_EQ(negotiator.user().size(), 255u);
    EXPECT_EQ(negotiator.password().size(), 255u);
}

} // namespace
