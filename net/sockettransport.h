// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "firewallnegotiator.h"
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
class SocketTransport
{
public:
    // What the transport reports, from inside the owner thread's event dispatching.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // The connection is usable (0), or could not be made (the code).
        virtual void connected(int code) = 0;
        // A line without its line end (endsLine), or a piece of a longer line or of the stream.
        // The view is valid until the call returns.
        virtual void received(std::string_view piece, bool endsLine) = 0;
        virtual void disconnected(int code) = 0;
        virtual void error(int code, const std::string& text) = 0;
    };

    static constexpr win::UINT kNotification = 0x0400 + 101;

    explicit SocketTransport(Listener& listener);
    ~SocketTransport();
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    bool winsockLoaded() const { return m_loaded; }
    void setWinsockLoaded(bool loaded);

    const std::string& remoteHost() const { return m_remoteHost; }
    int setRemoteHost(std::string host);
    std::uint16_t remotePort() const { return m_remotePort; }
    int setRemotePort(std::uint16_t port);
    std::uint16_t localPort() const { return m_localPort; }
    int setLocalPort(std::uint16_t port);
    int setLocalHost(const std::string& host);
    // While connected the socket's own address; otherwise the address set, or the machine's
    // name when none is. A library failure reads as its "[code] text".
    std::string localHost() const;
    std::size_t maxLineSize() const { return m_buffer.capacity(); }
    int setMaxLineSize(std::size_t size);

    bool keepAlive() const { return m_keepAlive; }
    void setKeepAlive(bool on) { m_keepAlive = on; }
    // On: a close lets queued data go out; off: a close resets the connection at once.
    bool linger() const { return m_linger; }
    void setLinger(bool on) { m_linger = on; }

    FirewallType firewallType() const { return m_firewallType; }
    void setFirewallType(FirewallType type) { m_firewallType = type; }
    int setFirewallHost(const std::string& host);
    void setFirewallPort(std::uint16_t port) { m_firewallPort = port; }
    FirewallNegotiator& firewall() { return m_negotiator; }

    // "\n" while reading a header, empty for a body.
    void setLineEnd(std::string lineEnd);
    // Holding back received data (while a request is still going out) and letting it flow.
    void setDelivery(bool enabled);

    int connect();
    // Delivers what is still buffered, closes and reports disconnected with `code`. From inside
    // a piece's handling the close waits until the piece has been handled.
    void close(int code = 0);
    // Sends what the socket takes now: 0 when all went, 10035 with `sent` short of the size
    // when the rest must wait for the socket to drain.
    int send(std::string_view bytes, std::size_t& sent);

    bool isConnected() const { return m_connected && !m_negotiator.negotiating(); }
    bool hasSocket() const { return m_socket != win::INVALID_SOCKET; }
    win::SOCKET socketHandle() const { return m_socket; }
    bool writable() const { return m_writable; }
    // The last result's text, as the component shows it.
    const std::string& message() const { return m_message; }

private:
    int fail(int code, std::string text);
    int resolve(const std::string& host, std::uint32_t& address);
    void notification(long event, int error);
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
