// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bytestream.h"
#include "firewallnegotiator.h"
#include "hostlookup.h"
#include "platform/win/winsock.h"
#include "receivebuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace net {

// One outgoing TCP connection at a time over the socket library: resolving, connecting
// (optionally through a firewall), receiving through notifications on the owner's thread and
// cutting what arrives into lines or raw pieces, sending, closing. Results are the socket
// library's codes or the transport's own (100 and up); 0 is success.
class SocketTransport : public ByteStream
{
public:
    using Listener = ByteStream::Listener;

    static constexpr win::UINT kNotification = 0x0400 + 101;
    // What one read notification takes from the socket at most.
    static constexpr std::size_t kReadBudget = 64 * 1024;

    explicit SocketTransport(Listener& listener);
    ~SocketTransport() override;
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    bool winsockLoaded() const override { return m_loaded; }
    void setWinsockLoaded(bool loaded) override;

    const std::string& remoteHost() const { return m_remoteHost; }
    int setRemoteHost(std::string host) override;
    std::uint16_t remotePort() const { return m_remotePort; }
    int setRemotePort(std::uint16_t port) override;
    std::uint16_t localPort() const { return m_localPort; }
    int setLocalPort(std::uint16_t port);
    int setLocalHost(const std::string& host) override;
    // A library failure reads as its "[code] text".
    std::string localHost() const override;
    std::size_t maxLineSize() const { return m_buffer.capacity(); }
    int setMaxLineSize(std::size_t size) override;

    bool keepAlive() const { return m_keepAlive; }
    void setKeepAlive(bool on) { m_keepAlive = on; }
    // On: a close lets queued data go out; off: a close resets the connection at once.
    bool linger() const { return m_linger; }
    void setLinger(bool on) { m_linger = on; }

    FirewallType firewallType() const override { return m_firewallType; }
    void setFirewallType(FirewallType type) override { m_firewallType = type; }
    int setFirewallHost(const std::string& host) override;
    std::string firewallHost() const override;
    std::uint16_t firewallPort() const override { return m_firewallPort; }
    void setFirewallPort(std::uint16_t port) override { m_firewallPort = port; }
    FirewallNegotiator& firewall() override { return m_negotiator; }

    void setLineEnd(std::string lineEnd) override;
    void setDelivery(bool enabled) override;

    int connect() override;
    void close(int code = 0) override;
    int send(std::string_view bytes, std::size_t& sent) override;

    bool isConnected() const override
    {
        return m_connected && !m_negotiator.negotiating() && !m_lookup.pending();
    }
    bool hasSocket() const override { return m_socket != win::INVALID_SOCKET; }
    std::intptr_t socketHandle() const override
    {
        return hasSocket() ? static_cast<std::intptr_t>(m_socket) : -1;
    }
    bool writable() const { return m_writable; }
    const std::string& message() const override { return m_message; }

private:
    int fail(int code, std::string text);
    int resolve(const std::string& host, std::uint32_t& address);
    void notification(long event, int error);
    void startNegotiation();
    void negotiationRead();
    void negotiationStep(const FirewallNegotiator::Step& step);
    void readHandler(bool final);
    bool deliverComplete();
    void deliverRemainder();
    void closeNow(int code, bool finalRead);

    Listener& m_listener;
    win::HWND m_window = 0;
    bool m_loaded = false;

    std::string m_remoteHost;
    std::uint32_t m_remoteAddress = 0; // host order
    std::uint16_t m_remotePort = 0;
    std::uint32_t m_localAddress = 0; // host order
    std::uint16_t m_localPort = 0;
    bool m_keepAlive = false;
    bool m_linger = true;

    FirewallType m_firewallType = FirewallType::fwNone;
    std::uint32_t m_firewallAddress = 0;
    std::uint16_t m_firewallPort = 0;
    FirewallNegotiator m_negotiator;
    HostLookup m_lookup;

    win::SOCKET m_socket = win::INVALID_SOCKET;
    bool m_connected = false;
    bool m_writable = false;
    bool m_delivery = true;
    bool m_inReadHandler = false;
    bool m_closePending = false;
    int m_closeCode = 0;
    ReceiveBuffer m_buffer;
    std::string m_message;
};

} // namespace net
