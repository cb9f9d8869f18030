// SPDX-License-Identifier: GPL-3.0-or-later
// The far end of a loopback connection, written with the system's own socket calls so that a
// test never checks the socket code with itself.
#pragma once

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <poll.h>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {

class LoopbackListener
{
public:
    LoopbackListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_fd, 4);
        socklen_t length = sizeof address;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
    }
    ~LoopbackListener() { ::close(m_fd); }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    std::uint16_t port() const { return m_port; }
    // The next connection's descriptor; the caller closes it.
    int accept() const { return ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC); }
    // The next connection if one comes within `waitMs`, else -1; for tests that keep their events
    // running.
    int tryAccept(int waitMs = 0) const
    {
        pollfd waiting { m_fd, POLLIN, 0 };
        return ::poll(&waiting, 1, waitMs) == 1 ? accept() : -1;
    }

    // A port that nothing listens on: one that was free a moment ago.
    static std::uint16_t closedPort()
    {
        const LoopbackListener listener;
        return listener.port();
    }

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
};

// Whether something accepts connections on the loopback port.
inline bool isListening(std::uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool accepted = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return accepted;
}

inline bool sendAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

} // namespace testing_support
