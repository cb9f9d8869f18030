// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

enum class THttpFirewallTypes {
    fwNone,
    fwTunnel,
    fwSOCKS4,
    fwSOCKS5,
};

// What one connection through a firewall asks of it: the HTTP CONNECT tunnel, SOCKS 4
// (SOCKS 4 protocol, NEC) or SOCKS 5 (RFC 1928, with RFC 1929 user and password). The negotiator
// only turns replies into requests; the transport carries the bytes.
class FirewallNegotiator
{
public:
    struct Target
    {
        std::string host; // as the caller wrote it; "*name" asks SOCKS 5 to resolve the name
        std::uint16_t port = 0;
        std::optional<std::uint32_t> address; // host order; needed by SOCKS unless "*name"
    };

    struct Step
    {
        enum class Status {
            Pending,
            Succeeded,
            Failed,
        };
        Status status = Status::Pending;
        std::string send; // bytes for the firewall
        std::string error; // the failure's text
        std::string data; // what followed the firewall's reply: the peer's first bytes
    };

    // Credentials are cut to 255 bytes, the most either protocol can carry.
    void setCredentials(std::string user, std::string password);
    const std::string& user() const { return m_user; }
    const std::string& password() const { return m_password; }

    // The first request for the firewall.
    Step start(THttpFirewallTypes type, Target target);
    // The firewall's bytes as they arrive.
    Step receive(std::string_view bytes);
    bool negotiating() const { return m_stage != Stage::Idle; }
    void reset();

private:
    enum class Stage {
        Idle,
        TunnelReply,
        Socks4Reply,
        Socks5Greeting,
        Socks5Credentials,
        Socks5Connect,
    };
    Step fail(std::string error);
    Step succeed(std::size_t replyLength);
    Step socks5Request();
    Step tunnelReply();
    Step socks4Reply();
    Step socks5Reply();

    Stage m_stage = Stage::Idle;
    Target m_target;
    std::string m_user;
    std::string m_password;
    std::string m_reply;
};

} // namespace net
