// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bytepipe.h"
#include "platform/win/winsock.h"

namespace net {

// A TCP connection over the socket library, its readiness notifications delivered to a message
// window of the owner's thread.
class SocketPipe : public BytePipe
{
public:
    static constexpr win::UINT kNotification = 0x0400 + 101;

    explicit SocketPipe(Listener& listener);
    ~SocketPipe() override;
    SocketPipe(const SocketPipe&) = delete;
    SocketPipe& operator=(const SocketPipe&) = delete;

    int open(const Target& target) override;
    int receive(std::span<char> into, std::size_t& got) override;
    int send(std::string_view bytes, std::size_t& sent) override;
    void close() override;
    bool isOpen() const override { return m_socket != win::INVALID_SOCKET; }
    std::intptr_t handle() const override
    {
        return isOpen() ? static_cast<std::intptr_t>(m_socket) : -1;
    }
    int localAddress(std::uint32_t& address) const override;

private:
    void notification(long event, int error);

    Listener& m_listener;
    win::HWND m_window = 0;
    win::SOCKET m_socket = win::INVALID_SOCKET;
};

} // namespace net
