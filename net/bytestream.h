// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "firewallnegotiator.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace net {

// The one seam between the HTTP client and whatever carries its bytes: a real socket in the
// program, a scripted peer in memory in tests. Results are socket library codes or the
// transport's own (100 and up); 0 is success. Reports come from inside the owner thread's event
// dispatching, never from inside the call that caused them.
class ByteStream
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

    virtual ~ByteStream() = default;

    // Host names are looked up while the listener's wait steps run.
    virtual int setRemoteHost(std::string host) = 0;
    virtual int setRemotePort(std::uint16_t port) = 0;
    // The receive buffer: the longest line delivered whole and the largest raw piece.
    virtual int setMaxLineSize(std::size_t size) = 0;
    // "\n" while reading a header, empty for a body.
    virtual void setLineEnd(std::string lineEnd) = 0;
    // Holding back received data (while a request is still going out) and letting it flow.
    virtual void setDelivery(bool enabled) = 0;
    virtual int connect() = 0;
    // Delivers what is still buffered, closes and reports disconnected with `code`. From inside
    // a piece's handling the close waits until the piece has been handled.
    virtual void close(int code = 0) = 0;
    // Sends what the peer takes now: 0 when all went, 10035 with `sent` short of the size when
    // the rest must wait.
    virtual int send(std::string_view bytes, std::size_t& sent) = 0;
    virtual bool isConnected() const = 0;
    virtual bool hasSocket() const = 0;
    virtual std::intptr_t socketHandle() const = 0;
    // The last failure's text.
    virtual const std::string& message() const = 0;

    // Where the connection goes first when a firewall stands between.
    virtual FirewallType firewallType() const = 0;
    virtual void setFirewallType(FirewallType type) = 0;
    // Resolved when written; read back as a dotted address.
    virtual int setFirewallHost(const std::string& host) = 0;
    virtual std::string firewallHost() const = 0;
    virtual std::uint16_t firewallPort() const = 0;
    virtual void setFirewallPort(std::uint16_t port) = 0;
    virtual FirewallNegotiator& firewall() = 0;

    virtual int setLocalHost(const std::string& host) = 0;
    // While connected the connection's own address; otherwise the address set, or the
    // machine's name.
    virtual std::string localHost() const = 0;

    // This stream's hold on the socket library.
    virtual bool winsockLoaded() const = 0;
    virtual void setWinsockLoaded(bool loaded) = 0;
};

} // namespace net
