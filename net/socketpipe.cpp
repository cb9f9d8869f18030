// SPDX-License-Identifier: GPL-3.0-or-later
#include "socketpipe.h"

#include "platform/windowservice.h"
#include "socketlibrary.h"

#include <QtEndian>
#include <algorithm>
#include <climits>

namespace net {

namespace {

const SocketFunctions& library()
{
    return SocketLibrary::instance().functions();
}

win::sockaddr_in_ endpoint(std::uint32_t address, std::uint16_t port)
{
    win::sockaddr_in_ name {};
    name.sin_family = win::AF_INET_;
    name.sin_port = library().htons(port);
    name.sin_addr.s_addr = qToBigEndian<std::uint32_t>(address);
    return name;
}

} // namespace

SocketPipe::SocketPipe(Listener& listener)
    : m_listener(listener)
{
    m_window = platform::createMessageWindow(
        [this](win::UINT message, std::uintptr_t wParam, std::intptr_t lParam) {
            if (message == kNotification && isOpen() && wParam == m_socket)
                notification(win::WSAGETSELECTEVENT(lParam), win::WSAGETSELECTERROR(lParam));
        });
}

SocketPipe::~SocketPipe()
{
    close();
    platform::destroyMessageWindow(m_window);
}

int SocketPipe::open(const Target& target)
{
    const auto& f = library();
    const win::SOCKET s = f.socket(win::AF_INET_, win::SOCK_STREAM_, 0);
    if (s == win::INVALID_SOCKET)
        return f.WSAGetLastError();
    const win::sockaddr_in_ local = endpoint(target.localAddress, target.localPort);
    const win::sockaddr_in_ remote = endpoint(target.address, target.port);
    const auto setOption = [&](int option, const auto& value) {
        return f.setsockopt(s, win::SOL_SOCKET_, option, reinterpret_cast<const char*>(&value),
            static_cast<int>(sizeof value));
    };
    const int on = 1;
    const int keepAlive = target.keepAlive ? 1 : 0;
    const win::linger_ linger { static_cast<win::WORD>(target.linger ? 0 : 1), 0 };
    int result = f.bind(s, &local, sizeof local);
    if (result == 0)
        result = setOption(win::SO_KEEPALIVE_, keepAlive);
    if (result == 0)
        result = setOption(win::SO_LINGER_, linger);
    if (result == 0)
        result = setOption(win::SO_OOBINLINE_, on);
    if (result == 0)
        result = f.WSAAsyncSelect(s, m_window, kNotification,
            win::FD_READ | win::FD_WRITE | win::FD_CONNECT | win::FD_CLOSE);
    if (result == 0)
        result = f.connect(s, &remote, sizeof remote);
    const int code = result == 0 ? 0 : f.WSAGetLastError();
    if (code != 0 && code != win::WSAEWOULDBLOCK) {
        f.closesocket(s);
        return code;
    }
    m_socket = s;
    return 0;
}

int SocketPipe::receive(std::span<char> into, std::size_t& got)
{
    got = 0;
    const auto& f = library();
    const int result = f.recv(
        m_socket, into.data(), static_cast<int>(std::min<std::size_t>(into.size(), INT_MAX)), 0);
    if (result < 0)
        return f.WSAGetLastError();
    got = static_cast<std::size_t>(result);
    return 0;
}

int SocketPipe::send(std::string_view bytes, std::size_t& sent)
{
    sent = 0;
    const auto& f = library();
    const int count = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    // NOLINTNEXTLINE(bugprone-suspicious-stringview-data-usage): the count travels with it.
    const int result = f.send(m_socket, bytes.data(), count, 0);
    if (result < 0)
        return f.WSAGetLastError();
    sent = static_cast<std::size_t>(result);
    return 0;
}

void SocketPipe::close()
{
    if (!isOpen())
        return;
    library().WSAAsyncSelect(m_socket, m_window, 0, 0);
    library().closesocket(m_socket);
    m_socket = win::INVALID_SOCKET;
}

int SocketPipe::localAddress(std::uint32_t& address) const
{
    const auto& f = library();
    win::sockaddr_in_ name {};
    int length = sizeof name;
    if (f.getsockname(m_socket, &name, &length) != 0)
        return f.WSAGetLastError();
    address = qFromBigEndian<std::uint32_t>(name.sin_addr.s_addr);
    return 0;
}

void SocketPipe::notification(long event, int error)
{
    switch (event) {
    case win::FD_CONNECT:
        m_listener.opened(error);
        return;
    case win::FD_READ:
        m_listener.readable();
        return;
    case win::FD_CLOSE:
        m_listener.closed(error);
        return;
    default:
        return;
    }
}

} // namespace net
