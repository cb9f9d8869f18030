// SPDX-License-Identifier: GPL-3.0-or-later
#include "sockettransport.h"

#include "platform/windowservice.h"
#include "socketerrors.h"
#include "socketlibrary.h"

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

namespace net {

namespace {

const SocketFunctions& library()
{
    return SocketLibrary::instance().functions();
}

bool isQuietReceiveError(int code)
{
    return code == win::WSAEWOULDBLOCK || code == win::WSAENOTSOCK || code == win::WSAECONNABORTED
        || code == win::WSAECONNRESET;
}

// The dotted form of a host-order address; null when the library cannot give it.
const char* dotted(std::uint32_t address)
{
    return library().inet_ntoa(win::in_addr_ { qToBigEndian<std::uint32_t>(address) });
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

SocketTransport::SocketTransport(Listener& listener)
    : m_listener(listener)
{
    m_window = platform::createMessageWindow(
        [this](win::UINT message, std::uintptr_t wParam, std::intptr_t lParam) {
            if (message == kNotification && m_socket != win::INVALID_SOCKET && wParam == m_socket)
                notification(win::WSAGETSELECTEVENT(lParam), win::WSAGETSELECTERROR(lParam));
        });
    setWinsockLoaded(true);
}

SocketTransport::~SocketTransport()
{
    if (m_socket != win::INVALID_SOCKET) {
        library().WSAAsyncSelect(m_socket, m_window, 0, 0);
        library().closesocket(m_socket);
    }
    platform::destroyMessageWindow(m_window);
    setWinsockLoaded(false);
}

void SocketTransport::setWinsockLoaded(bool loaded)
{
    if (loaded == m_loaded)
        return;
    if (loaded)
        m_loaded = SocketLibrary::instance().load();
    else {
        SocketLibrary::instance().unload();
        m_loaded = false;
    }
}

int SocketTransport::fail(int code, std::string text)
{
    m_message = std::move(text);
    return code;
}

int SocketTransport::resolve(const std::string& host, std::uint32_t& address)
{
    address = 0;
    if (host.empty())
        return 0;
    const win::DWORD dotted = library().inet_addr(host.c_str());
    if (dotted != 0xFFFFFFFFu || host == "255.255.255.255") {
        address = qFromBigEndian<std::uint32_t>(dotted);
        return 0;
    }
    // A name server that does not answer must not hold the thread's events: the lookup runs
    // aside while the caller's wait steps run, and its deadline or an interrupt ends it.
    std::optional<std::pair<int, std::uint32_t>> answer;
    HostLookup lookup;
    lookup.start(host, [&answer](int code, std::uint32_t found) { answer = { code, found }; });
    while (!answer) {
        if (!m_listener.waitStep())
            return fail(kWaitEnded, {});
    }
    const auto [code, found] = *answer;
    // Without the library the address simply stays unset; the connect says why.
    if (code == win::WSANOTINITIALISED)
        return 0;
    if (code != 0)
        return fail(code, describeSocketError(code));
    address = found;
    return 0;
}

int SocketTransport::setRemoteHost(std::string host)
{
    m_remoteHost = std::move(host);
    if (m_firewallType != FirewallType::fwNone)
        return 0; // the firewall negotiation resolves it, or leaves it to the firewall
    if (hasSocket())
        return fail(
            101, "You cannot change the RemoteHost at this time. A connection is in progress.");
    return resolve(m_remoteHost, m_remoteAddress);
}

int SocketTransport::setRemotePort(std::uint16_t port)
{
    if (hasSocket())
        return fail(
            100, "You cannot change the RemotePort at this time. A connection is in progress.");
    m_remotePort = port;
    return 0;
}

int SocketTransport::setLocalPort(std::uint16_t port)
{
    if (hasSocket())
        return fail(
            106, "You cannot change the LocalPort at this time. A connection is in progress.");
    m_localPort = port;
    return 0;
}

int SocketTransport::setLocalHost(const std::string& host)
{
    return resolve(host, m_localAddress);
}

std::string SocketTransport::localHost() const
{
    const auto& f = library();
    const auto failure = [&] { return describeSocketError(f.WSAGetLastError()); };
    if (isConnected()) {
        win::sockaddr_in_ name {};
        int length = sizeof name;
        if (f.getsockname(m_socket, &name, &length) != 0)
            return failure();
        const char* text = f.inet_ntoa(name.sin_addr);
        return text ? text : failure();
    }
    if (m_localAddress != 0) {
        const char* text = dotted(m_localAddress);
        return text ? text : failure();
    }
    char name[101] {};
    if (f.gethostname(name, sizeof name - 1) != 0)
        return failure();
    return name;
}

int SocketTransport::setFirewallHost(const std::string& host)
{
    return resolve(host, m_firewallAddress);
}

std::string SocketTransport::firewallHost() const
{
    if (m_firewallAddress == 0)
        return {};
    const char* text = dotted(m_firewallAddress);
    return text ? text : std::string {};
}

int SocketTransport::setMaxLineSize(std::size_t size)
{
    if (hasSocket())
        return fail(
            112, "You cannot change MaxLineSize at this time. A connection is in progress.");
    const std::string lineEnd = m_buffer.lineEnd();
    m_buffer = ReceiveBuffer(std::min(size, ReceiveBuffer::kMaxCapacity));
    m_buffer.setLineEnd(lineEnd);
    return 0;
}

void SocketTransport::setLineEnd(std::string lineEnd)
{
    m_buffer.setLineEnd(std::move(lineEnd));
    if (isConnected())
        platform::sendMessage(m_window, kNotification, m_socket, win::FD_READ);
}

void SocketTransport::setDelivery(bool enabled)
{
    m_delivery = enabled;
    // Data that arrived while delivery was held back is read now.
    if (enabled && isConnected() && !m_inReadHandler)
        readHandler(false);
}

int SocketTransport::connect()
{
    if (hasSocket())
        return fail(104,
            "Already connected. If you want to reconnect, close the current connection first.");
    const bool viaFirewall = m_firewallType != FirewallType::fwNone;
    const std::uint32_t address = viaFirewall ? m_firewallAddress : m_remoteAddress;
    const std::uint16_t port = viaFirewall ? m_firewallPort : m_remotePort;
    if (address == 0)
        return fail(102,
            viaFirewall ? "The FirewallHost address is invalid (0.0.0.0)."
                        : "The RemoteHost address is invalid (0.0.0.0).");
    if (port == 0)
        return fail(116,
            viaFirewall ? "The FirewallPort is invalid (0)."
                        : "RemotePort can't be zero. Please specify a valid service port number.");

    const auto& f = library();
    const win::SOCKET s = f.socket(win::AF_INET_, win::SOCK_STREAM_, 0);
    if (s == win::INVALID_SOCKET) {
        const int code = f.WSAGetLastError();
        return fail(code, describeSocketError(code));
    }
    const win::sockaddr_in_ local = endpoint(m_localAddress, m_localPort);
    const win::sockaddr_in_ remote = endpoint(address, port);
    const auto setOption = [&](int option, const auto& value) {
        return f.setsockopt(s, win::SOL_SOCKET_, option, reinterpret_cast<const char*>(&value),
            static_cast<int>(sizeof value));
    };
    const int on = 1;
    const int keepAlive = m_keepAlive ? 1 : 0;
    const win::linger_ linger { static_cast<win::WORD>(m_linger ? 0 : 1), 0 };
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
        return fail(code, describeSocketError(code));
    }
    m_socket = s;
    m_connected = false;
    m_writable = false;
    m_buffer.clear();
    return 0;
}

void SocketTransport::notification(long event, int error)
{
    switch (event) {
    case win::FD_CONNECT:
        if (error != 0) {
            // Reported while the socket still exists, then closed without further reports.
            m_connected = false;
            m_listener.connected(error);
            if (hasSocket()) {
                library().WSAAsyncSelect(m_socket, m_window, 0, 0);
                library().closesocket(m_socket);
                m_socket = win::INVALID_SOCKET;
                m_buffer.clear();
            }
            return;
        }
        m_connected = true;
        if (m_firewallType == FirewallType::fwNone) {
            m_listener.connected(0);
            return;
        }
        startNegotiation();
        return;
    case win::FD_READ:
        if (m_lookup.pending())
            return; // asked again once the negotiation has started
        if (m_negotiator.negotiating())
            negotiationRead();
        else if (m_delivery && !m_inReadHandler)
            readHandler(false);
        return;
    case win::FD_WRITE:
        m_writable = true;
        return;
    case win::FD_CLOSE:
        if (m_negotiator.negotiating() || m_lookup.pending()) {
            m_lookup.cancel();
            m_negotiator.reset();
            m_listener.error(118, "firewall closed the connection");
            m_listener.connected(118);
        }
        close(error);
        return;
    default:
        return;
    }
}

void SocketTransport::startNegotiation()
{
    const auto negotiate = [this](std::optional<std::uint32_t> address) {
        negotiationStep(m_negotiator.start(
            m_firewallType, FirewallNegotiator::Target { m_remoteHost, m_remotePort, address }));
    };
    // The tunnel names the host to the firewall as text, and SOCKS 5 does for "*name": the
    // firewall resolves it, not this machine.
    const bool byName = m_firewallType == FirewallType::fwTunnel
        || (!m_remoteHost.empty() && m_remoteHost.front() == '*');
    if (byName || m_remoteHost.empty()) {
        negotiate(std::nullopt);
        return;
    }
    const win::DWORD dotted = library().inet_addr(m_remoteHost.c_str());
    if (dotted != 0xFFFFFFFFu || m_remoteHost == "255.255.255.255") {
        negotiate(qFromBigEndian<std::uint32_t>(dotted));
        return;
    }
    // Looked up aside; Connected stays false and the firewall's bytes wait meanwhile.
    m_lookup.start(m_remoteHost, [this, negotiate](int code, std::uint32_t address) {
        negotiate(code == 0 && address != 0 ? std::optional(address) : std::nullopt);
        // A reply that came meanwhile was left unread, and so nothing asks for it again.
        if (hasSocket() && m_negotiator.negotiating())
            platform::sendMessage(m_window, kNotification, m_socket, win::FD_READ);
    });
}

void SocketTransport::negotiationRead()
{
    char bytes[512];
    const int got = library().recv(m_socket, bytes, sizeof bytes, 0);
    if (got > 0)
        negotiationStep(
            m_negotiator.receive(std::string_view(bytes, static_cast<std::size_t>(got))));
}

void SocketTransport::negotiationStep(const FirewallNegotiator::Step& step)
{
    using Status = FirewallNegotiator::Step::Status;
    if (!step.send.empty()) {
        // A negotiation request is small; a socket that just connected takes it whole.
        const int sent
            = library().send(m_socket, step.send.data(), static_cast<int>(step.send.size()), 0);
        if (sent != static_cast<int>(step.send.size())) {
            m_listener.error(118, "firewall request could not be sent");
            m_listener.connected(118);
            close(118);
            return;
        }
    }
    if (step.status == Status::Failed) {
        m_message = step.error;
        m_listener.error(118, step.error);
        m_listener.connected(118);
        close(118);
        return;
    }
    if (step.status == Status::Succeeded) {
        // What the firewall passed on after its reply is the peer's first data.
        auto space = m_buffer.freeSpace();
        const std::size_t count = std::min(space.size(), step.data.size());
        std::copy_n(step.data.data(), count, space.data());
        m_buffer.commit(count);
        m_listener.connected(0);
        if (count > 0 && m_delivery && !m_inReadHandler)
            readHandler(false);
    }
}

bool SocketTransport::deliverComplete()
{
    while (const auto piece = m_buffer.takeComplete()) {
        m_listener.received(piece->bytes, piece->endsLine);
        // A close asked for by the piece's handler ends delivery too: nothing comes after it.
        if (!m_delivery || !hasSocket() || m_closePending)
            return false;
    }
    return true;
}

void SocketTransport::deliverRemainder()
{
    if (const auto rest = m_buffer.takeRemainder())
        m_listener.received(rest->bytes, rest->endsLine);
}

void SocketTransport::readHandler(bool final)
{
    const auto& f = library();
    m_inReadHandler = true;
    bool peerClosed = false;
    std::size_t taken = 0;
    while (hasSocket() && m_delivery) {
        if (!deliverComplete())
            break;
        if (m_closePending)
            break;
        // A peer that sends faster than pieces are handled must not keep this notification
        // busy: the deadline, an interrupt and every timer of the thread wait behind it. Every
        // complete piece is delivered by now, and the recv has armed the next notification for
        // what is left; a closing read takes no more either.
        if (taken >= kReadBudget)
            break;
        const auto space = m_buffer.freeSpace();
        const int got = f.recv(m_socket, space.data(),
            static_cast<int>(std::min<std::size_t>(space.size(), INT_MAX)), 0);
        if (got > 0) {
            m_buffer.commit(static_cast<std::size_t>(got));
            taken += static_cast<std::size_t>(got);
            continue;
        }
        if (got == 0) {
            peerClosed = true;
            break;
        }
        const int code = f.WSAGetLastError();
        if (!isQuietReceiveError(code))
            m_listener.error(code, "socket error in recv: " + std::to_string(code));
        break;
    }
    if ((final || peerClosed) && hasSocket() && m_delivery && deliverComplete())
        deliverRemainder();
    m_inReadHandler = false;
    // A close asked for while pieces were handled comes now, without reading on; in final mode
    // the caller is closing anyway, with its own code.
    if (m_closePending)
        closeNow(m_closeCode, false);
    else if (peerClosed && !final)
        closeNow(0, false);
}

void SocketTransport::close(int code)
{
    if (!hasSocket())
        return;
    library().WSAAsyncSelect(m_socket, m_window, 0, 0);
    if (m_inReadHandler) {
        m_closePending = true;
        m_closeCode = code;
        return;
    }
    closeNow(code, true);
}

void SocketTransport::closeNow(int code, bool finalRead)
{
    m_closePending = false;
    if (finalRead && m_delivery && m_connected)
        readHandler(true);
    if (!hasSocket())
        return;
    library().closesocket(m_socket);
    m_socket = win::INVALID_SOCKET;
    m_lookup.cancel();
    m_negotiator.reset();
    m_writable = false;
    m_buffer.clear();
    // The disconnected report still sees the connection as it was; it ends after the report.
    m_listener.disconnected(code);
    if (!hasSocket()) {
        m_connected = false;
        m_delivery = true;
    }
}

int SocketTransport::send(std::string_view bytes, std::size_t& sent)
{
    sent = 0;
    const auto& f = library();
    if (!isConnected()) {
        f.WSASetLastError(win::WSAENOTCONN);
        return fail(win::WSAENOTCONN, describeSocketError(win::WSAENOTCONN));
    }
    const int count = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    const int result = f.send(m_socket, bytes.data(), count, 0);
    if (result < 0) {
        const int code = f.WSAGetLastError();
        if (code == win::WSAEWOULDBLOCK)
            m_writable = false;
        return fail(code, describeSocketError(code));
    }
    sent = static_cast<std::size_t>(result);
    return sent < bytes.size() ? win::WSAEWOULDBLOCK : 0;
}

} // namespace net
