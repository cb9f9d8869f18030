// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace net {

// What carries a transport's bytes: a TCP socket in the program, a scripted peer in tests. It
// moves bytes and nothing else; the checks, the firewall, holding data back and cutting it into
// lines sit above it, in SocketTransport, the same over every pipe. Results are socket library
// codes, 0 for success. Reports come from the owner thread's event dispatching, never from
// inside the call that caused them, and none comes after close().
class BytePipe
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // The connection is usable (0), or could not be made (the code). The pipe stays open
        // until it is closed.
        virtual void opened(int code) = 0;
        // Bytes have arrived; receive() takes them. Comes again after a receive that left some.
        virtual void readable() = 0;
        // The peer closed (0) or the connection broke (the code); what arrived is still there.
        virtual void closed(int code) = 0;
    };

    struct Target
    {
        std::uint32_t address = 0; // host order, as every address here
        std::uint16_t port = 0;
        std::uint32_t localAddress = 0; // 0: any
        std::uint16_t localPort = 0; // 0: any
        bool keepAlive = false;
        bool linger = true; // off: a close resets the connection at once
    };

    virtual ~BytePipe() = default;

    // Starts connecting; opened() tells how it went.
    virtual int open(const Target& target) = 0;
    // Takes what has arrived, up to the span's size: 0 with `got` > 0, 0 with `got` 0 once the
    // peer has closed and everything is taken, 10035 when nothing is there yet.
    virtual int receive(std::span<char> into, std::size_t& got) = 0;
    // Sends what the peer takes now: 0 with `sent` short of the size when the rest must wait.
    virtual int send(std::string_view bytes, std::size_t& sent) = 0;
    // Closes at once, without reports.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The socket's handle; -1 while closed.
    virtual std::intptr_t handle() const = 0;
    // The connection's own address.
    virtual int localAddress(std::uint32_t& address) const = 0;
};

} // namespace net
