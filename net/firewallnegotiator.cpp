// SPDX-License-Identifier: GPL-3.0-or-later
#include "firewallnegotiator.h"

#include "base64.h"

#include <array>

namespace net {

namespace {

using Status = FirewallNegotiator::Step::Status;

// No firewall's reply needs more; a longer one is hostile and ends the negotiation.
constexpr std::size_t kMaxReply = 8192;

void appendByte(std::string& bytes, unsigned value)
{
    bytes += static_cast<char>(static_cast<unsigned char>(value));
}

void appendPort(std::string& bytes, std::uint16_t port)
{
    appendByte(bytes, port >> 8);
    appendByte(bytes, port & 0xFFu);
}

void appendAddress(std::string& bytes, std::uint32_t address)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        appendByte(bytes, (address >> shift) & 0xFFu);
}

unsigned byteAt(const std::string& bytes, std::size_t index)
{
    return static_cast<unsigned char>(bytes[index]);
}

std::string cut(std::string text)
{
    if (text.size() > 255)
        text.resize(255);
    return text;
}

} // namespace

void FirewallNegotiator::setCredentials(std::string user, std::string password)
{
    m_user = cut(std::move(user));
    m_password = cut(std::move(password));
}

void FirewallNegotiator::reset()
{
    m_stage = Stage::Idle;
    m_reply.clear();
}

FirewallNegotiator::Step FirewallNegotiator::fail(std::string error)
{
    reset();
    return { Status::Failed, {}, std::move(error), {} };
}

FirewallNegotiator::Step FirewallNegotiator::succeed(std::size_t replyLength)
{
    Step step { Status::Succeeded, {}, {}, m_reply.substr(replyLength) };
    reset();
    return step;
}

FirewallNegotiator::Step FirewallNegotiator::start(THttpFirewallTypes type, Target target)
{
    reset();
    m_target = std::move(target);
    Step step;
    switch (type) {
    case THttpFirewallTypes::fwNone:
        return { Status::Succeeded, {}, {}, {} };
    case THttpFirewallTypes::fwTunnel: {
        step.send
            = "CONNECT " + m_target.host + ":" + std::to_string(m_target.port) + " HTTP/1.0\r\n";
        if (!m_user.empty() || !m_password.empty())
            step.send
                += "Proxy-authorization: Basic " + base64Encode(m_user + ":" + m_password) + "\r\n";
        step.send += "\r\n";
        m_stage = Stage::TunnelReply;
        return step;
    }
    case THttpFirewallTypes::fwSOCKS4:
        if (!m_target.address)
            return fail("firewall request rejected or failed");
        appendByte(step.send, 4);
        appendByte(step.send, 1);
        appendPort(step.send, m_target.port);
        appendAddress(step.send, *m_target.address);
        step.send += m_user;
        appendByte(step.send, 0);
        m_stage = Stage::Socks4Reply;
        return step;
    case THttpFirewallTypes::fwSOCKS5:
        if (!m_user.empty() && !m_password.empty())
            step.send = std::string("\x05\x02\x00\x02", 4);
        else
            step.send = std::string("\x05\x01\x00", 3);
        m_stage = Stage::Socks5Greeting;
        return step;
    }
    return fail("unknown firewall type");
}

FirewallNegotiator::Step FirewallNegotiator::receive(std::string_view bytes)
{
    if (m_stage == Stage::Idle)
        return { Status::Succeeded, {}, {}, std::string(bytes) };
    m_reply.append(bytes);
    if (m_reply.size() > kMaxReply)
        return fail("firewall reply too long");
    switch (m_stage) {
    case Stage::TunnelReply:
        return tunnelReply();
    case Stage::Socks4Reply:
        return socks4Reply();
    default:
        return socks5Reply();
    }
}

FirewallNegotiator::Step FirewallNegotiator::tunnelReply()
{
    if (m_reply.size() <= 9)
        return {};
    // "HTTP/1.x 200 ...": the status code follows the first run of spaces.
    const std::size_t space = m_reply.find(' ');
    const std::size_t code
        = space == std::string::npos ? space : m_reply.find_first_not_of(' ', space);
    if (code == std::string::npos || m_reply[code] != '2') {
        if (code == std::string::npos && m_reply.find('\n') == std::string::npos)
            return {}; // the status code has not arrived yet
        return fail(m_reply);
    }
    for (const std::string_view end : { std::string_view("\r\n\r\n"), std::string_view("\n\n") }) {
        const std::size_t found = m_reply.find(end);
        if (found != std::string::npos)
            return succeed(found + end.size());
    }
    return {};
}

FirewallNegotiator::Step FirewallNegotiator::socks4Reply()
{
    if (m_reply.size() < 8)
        return {};
    switch (const unsigned status = byteAt(m_reply, 1)) {
    case 90:
        return succeed(8);
    case 91:
        return fail("firewall request rejected or failed");
    case 92:
        return fail("firewall request rejected because identd is not available");
    case 93:
        return fail("firewall request rejected because identd reports different user");
    default:
        return fail("unknown firewall error: " + std::to_string(status));
    }
}

FirewallNegotiator::Step FirewallNegotiator::socks5Request()
{
    Step step;
    step.send = std::string("\x05\x01\x00", 3);
    if (!m_target.host.empty() && m_target.host.front() == '*') {
        // RFC 1928 section 5: a domain name goes with its length in the first byte.
        const std::string name = m_target.host.substr(1);
        if (name.empty() || name.size() > 255)
            return fail("firewall request rejected or failed");
        appendByte(step.send, 3);
        appendByte(step.send, static_cast<unsigned>(name.size()));
        step.send += name;
    } else {
        if (!m_target.address)
            return fail("firewall request rejected or failed");
        appendByte(step.send, 1);
        appendAddress(step.send, *m_target.address);
    }
    appendPort(step.send, m_target.port);
    m_stage = Stage::Socks5Connect;
    return step;
}

FirewallNegotiator::Step FirewallNegotiator::socks5Reply()
{
    if (m_reply.size() < 2)
        return {};
    if (m_stage == Stage::Socks5Greeting) {
        const unsigned method = byteAt(m_reply, 1);
        m_reply.erase(0, 2);
        if (method == 0)
            return socks5Request();
        if (method == 2) {
            Step step;
            appendByte(step.send, 1);
            appendByte(step.send, static_cast<unsigned>(m_user.size()));
            step.send += m_user;
            appendByte(step.send, static_cast<unsigned>(m_password.size()));
            step.send += m_password;
            m_stage = Stage::Socks5Credentials;
            return step;
        }
        return fail(method == 255 ? "no acceptable firewall authentication methods"
                                  : "unknown firewall authentication method");
    }
    if (m_stage == Stage::Socks5Credentials) {
        const unsigned status = byteAt(m_reply, 1);
        m_reply.erase(0, 2);
        if (status != 0)
            return fail("firewall authentication failed: " + std::to_string(status));
        return socks5Request();
    }
    if (m_reply.size() < 5)
        return {};
    const unsigned status = byteAt(m_reply, 1);
    if (status != 0) {
        static constexpr std::array<const char*, 8> kReplies { "general SOCKS server failure",
            "connection not allowed by ruleset", "network unreachable", "host unreachable",
            "connection refused", "TTL expired", "command not supported",
            "address type not supported" };
        return fail(status <= kReplies.size()
                ? kReplies[status - 1]
                : "unknown firewall error: " + std::to_string(status));
    }
    // The bound address may come in any of the three forms, so the reply's length does too.
    const unsigned addressType = byteAt(m_reply, 3);
    const std::size_t length = addressType == 3 ? 7 + byteAt(m_reply, 4)
        : addressType == 4                      ? 22
                                                : 10;
    if (m_reply.size() < length)
        return {};
    return succeed(length);
}

} // namespace net
