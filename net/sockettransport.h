// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bytepipe.h"
#include "firewallnegotiator.h"
#include "hostlookup.h"
#include "receivebuffer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace net {

// What carries a transport's bytes and who answers its host names. An empty member stands for
// the real one: a TCP socket, the socket library's lookup. Tests bring a scripted peer.
struct TransportSeams
{
    std::function<std::unique_ptr<BytePipe>(BytePipe::Listener&)> makePipe;
    std::shared_ptr<NameResolver> resolver;
};

// One outgoing TCP connection at a time with the socket library's rules, over a byte pipe:
// checking and resolving the target, connecting (optionally through a firewall), holding
// received data back or handing it over cut into lines or raw pieces, a bounded amount per
// notification, sending, closing. Results are the socket library's codes or the transport's own
// (100 and up); 0 is success. Reports come from inside the owner thread's event dispatching,
// never from inside the call that caused them.
class SocketTransport : private BytePipe::Listener
{
public:
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
        // One step of the caller's wait while a host name is looked up: false ends the lookup
        // (its deadline passed or it was interrupted), and the call returns kWaitEnded.
        virtual bool waitStep() = 0;
    };

    static constexpr int kWaitEnded = 301;
    // What one read notification takes from the pipe at most.
    static constexpr std::size_t kReadBudget = 64 * 1024;

    explicit SocketTransport(Listener& listener, const TransportSeams& seams = {});
    ~SocketTransport() override;
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    // This transport's hold on the socket library.
    bool winsockLoaded() const { return m_loaded; }
    void setWinsockLoaded(bool loaded);

    // Host names are looked up while the listener's wait steps run.
    const std::string& remoteHost() const { return m_remoteHost; }
    int setRemoteHost(std::string host);
    std::uint16_t remotePort() const { return m_remotePort; }
    int setRemotePort(std::uint16_t port);
    std::uint16_t localPort() const { return m_localPort; }
    int setLocalPort(std::uint16_t port);
    int setLocalHost(const std::string& host);
    // While connected the connection's own address; otherwise the address set, or the machine's
    // name. A library failure reads as its "[code] text".
    std::string localHost() const;
    // The receive buffer: the longest line delivered whole and the largest raw piece.
    std::size_t maxLineSize() const { return m_buffer.capacity(); }
    int setMaxLineSize(std::size_t size);

    bool keepAlive() const { return m_keepAlive; }
    void setKeepAlive(bool on) { m_keepAlive = on; }
    // On: a close lets queued data go out; off: a close resets the connection at once.
    bool linger() const { return m_linger; }
    void setLinger(bool on) { m_linger = on; }

    // Where the connection goes first when a firewall stands between.
    THttpFirewallTypes firewallType() const { return m_firewallType; }
    void setFirewallType(THttpFirewallTypes type) { m_firewallType = type; }
    // Resolved when written; read back as a dotted address.
    int setFirewallHost(const std::string& host);
    std::string firewallHost() const;
    std::uint16_t firewallPort() const { return m_firewallPort; }
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
    // Sends what the peer takes now: 0 when all went, 10035 with `sent` short of the size when
    // the rest must wait.
    int send(std::string_view bytes, std::size_t& sent);

    bool isConnected() const
    {
        return m_connected && !m_negotiator.negotiating() && !m_lookup.pending();
    }
    bool hasSocket() const { return m_pipe->isOpen(); }
    std::intptr_t socketHandle() const { return m_pipe->handle(); }
    // The last failure's text.
    const std::string& message() const { return m_message; }

private:
    int fail(int code, std::string text);
    // What a setting that the held socket fixes answers to a change.
    int refuseWhileConnected(int code, std::string_view setting);
    int resolve(const std::string& host, std::uint32_t& address);

    void opened(int code) override;
    void readable() override;
    void closed(int code) override;

    void startNegotiation();
    void negotiationRead();
    void negotiationStep(const FirewallNegotiator::Step& step);
    void readHandler(bool final);
    bool deliverComplete();
    void deliverRemainder();
    void closeNow(int code, bool finalRead);

    Listener& m_listener;
    std::shared_ptr<NameResolver> m_resolver;
    std::unique_ptr<BytePipe> m_pipe;
    bool m_loaded = false;

    std::string m_remoteHost;
    std::uint32_t m_remoteAddress = 0; // host order
    std::uint16_t m_remotePort = 0;
    std::uint32_t m_localAddress = 0; // host order
    std::uint16_t m_localPort = 0;
    bool m_keepAlive = false;
    bool m_linger = true;

    THttpFirewallTypes m_firewallType = THttpFirewallTypes::fwNone;
    std::uint32_t m_firewallAddress = 0;
    std::uint16_t m_firewallPort = 0;
    FirewallNegotiator m_negotiator;
    HostLookup m_lookup;

    bool m_connected = false;
    bool m_delivery = true;
    bool m_inReadHandler = false;
    bool m_closing = false; // asked to close: the pipe's reports no longer count
    bool m_closePending = false;
    int m_closeCode = 0;
    ReceiveBuffer m_buffer;
    std::string m_message;
};

} // namespace net
