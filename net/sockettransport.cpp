// SPDX-License-Identifier: GPL-3.0-or-later
#include "sockettransport.h"

#include "socketerrors.h"
#include "socketlibrary.h"
#include "socketpipe.h"

#include <QtEndian>
#include <algorithm>
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

// A host written as a dotted address, read the socket library's way.
std::optional<std::uint32_t> dottedAddress(const std::string& host)
{
    const win::DWORD address = library().inet_addr(host.c_str());
    if (address != 0xFFFFFFFFu || host == "255.255.255.255")
        return qFromBigEndian<std::uint32_t>(address);
    return std::nullopt;
}

} // namespace

SocketTransport::SocketTransport(Listener& listener, const TransportSeams& seams)
    : m_listener(listener)
    , m_resolver(seams.resolver ? seams.resolver : NameResolver::system())
    , m_lookup(*m_resolver)
{
    BytePipe::Listener& pipeListener = *this;
    m_pipe = seams.makePipe ? seams.makePipe(pipeListener)
                            : std::make_unique<SocketPipe>(pipeListener);
    setWinsockLoaded(true);
}

SocketTransport::~SocketTransport()
{
    m_pipe.reset();
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

int SocketTransport::refuseWhileConnected(int code, std::string_view setting)
{
    return fail(code,
        "You cannot change " + std::string(setting)
            + " at this time. A connection is in progress.");
}

int SocketTransport::resolve(const std::string& host, std::uint32_t& address)
{
    address = 0;
    if (host.empty())
        return 0;
    if (const auto written = dottedAddress(host)) {
        address = *written;
        return 0;
    }
    // A name server that does not answer must not hold the thread's events: the lookup runs
    // aside while the caller's wait steps run, and its deadline or an interrupt ends it.
    std::optional<std::pair<int, std::uint32_t>> answer;
    HostLookup lookup(*m_resolver);
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
    if (m_firewallType != THttpFirewallTypes::fwNone)
        return 0; // the firewall negotiation resolves it, or leaves it to the firewall
    if (hasSocket())
        return refuseWhileConnected(101, "the RemoteHost");
    return resolve(m_remoteHost, m_remoteAddress);
}

int SocketTransport::setRemotePort(std::uint16_t port)
{
    if (hasSocket())
        return refuseWhileConnected(100, "the RemotePort");
    m_remotePort = port;
    return 0;
}

int SocketTransport::setLocalPort(std::uint16_t port)
{
    if (hasSocket())
        return refuseWhileConnected(106, "the LocalPort");
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
        std::uint32_t address = 0;
        if (const int code = m_pipe->localAddress(address); code != 0)
            return describeSocketError(code);
        const char* text = dotted(address);
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
        return refuseWhileConnected(112, "MaxLineSize");
    const std::string lineEnd = m_buffer.lineEnd();
    m_buffer = ReceiveBuffer(std::min(size, ReceiveBuffer::kMaxCapacity));
    m_buffer.setLineEnd(lineEnd);
    return 0;
}

void SocketTransport::setLineEnd(std::string lineEnd)
{
    m_buffer.setLineEnd(std::move(lineEnd));
    if (isConnected())
        readable();
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
    const bool viaFirewall = m_firewallType != THttpFirewallTypes::fwNone;
    BytePipe::Target target;
    target.address = viaFirewall ? m_firewallAddress : m_remoteAddress;
    target.port = viaFirewall ? m_firewallPort : m_remotePort;
    target.localAddress = m_localAddress;
    target.localPort = m_localPort;
    target.keepAlive = m_keepAlive;
    target.linger = m_linger;
    if (target.address == 0)
        return fail(102,
            viaFirewall ? "The FirewallHost address is invalid (0.0.0.0)."
                        : "The RemoteHost address is invalid (0.0.0.0).");
    if (target.port == 0)
        return fail(116,
            viaFirewall ? "The FirewallPort is invalid (0)."
                        : "RemotePort can't be zero. Please specify a valid service port number.");
    if (const int code = m_pipe->open(target); code != 0)
        return fail(code, describeSocketError(code));
    m_connected = false;
    m_closing = false;
    m_buffer.clear();
    return 0;
}

void SocketTransport::opened(int code)
{
    if (m_closing)
        return;
    if (code != 0) {
        // Reported while the socket still exists, then closed without further reports.
        m_connected = false;
        m_listener.connected(code);
        if (hasSocket()) {
            m_pipe->close();
            m_buffer.clear();
        }
        return;
    }
    m_connected = true;
    if (m_firewallType == THttpFirewallTypes::fwNone) {
        m_listener.connected(0);
        return;
    }
    startNegotiation();
}

void SocketTransport::readable()
{
    if (m_closing || !hasSocket() || m_lookup.pending())
        return; // after a lookup, asked again once the negotiation has started
    if (m_negotiator.negotiating())
        negotiationRead();
    else if (m_delivery && !m_inReadHandler)
        readHandler(false);
}

void SocketTransport::closed(int code)
{
    if (m_closing)
        return;
    if (m_negotiator.negotiating() || m_lookup.pending()) {
        m_lookup.cancel();
        m_negotiator.reset();
        m_listener.error(118, "firewall closed the connection");
        m_listener.connected(118);
    }
    close(code);
}

void SocketTransport::startNegotiation()
{
    const auto negotiate = [this](std::optional<std::uint32_t> address) {
        negotiationStep(m_negotiator.start(
            m_firewallType, FirewallNegotiator::Target { m_remoteHost, m_remotePort, address }));
    };
    // The tunnel names the host to the firewall as text, and SOCKS 5 does for "*name": the
    // firewall resolves it, not this machine.
    const bool byName = m_firewallType == THttpFirewallTypes::fwTunnel
        || (!m_remoteHost.empty() && m_remoteHost.front() == '*');
    if (byName || m_remoteHost.empty()) {
        negotiate(std::nullopt);
        return;
    }
    if (const auto written = dottedAddress(m_remoteHost)) {
        negotiate(written);
        return;
    }
    // Looked up aside; Connected stays false and the firewall's bytes wait meanwhile.
    m_lookup.start(m_remoteHost, [this, negotiate](int code, std::uint32_t address) {
        negotiate(code == 0 && address != 0 ? std::optional(address) : std::nullopt);
        // A reply that came meanwhile was left unread, and so nothing asks for it again.
        if (hasSocket() && m_negotiator.negotiating())
            readable();
    });
}

void SocketTransport::negotiationRead()
{
    char bytes[512];
    std::size_t got = 0;
    if (m_pipe->receive(bytes, got) == 0 && got > 0)
        negotiationStep(m_negotiator.receive(std::string_view(bytes, got)));
}

void SocketTransport::negotiationStep(const FirewallNegotiator::Step& step)
{
    using Status = FirewallNegotiator::Step::Status;
    if (!step.send.empty()) {
        // A negotiation request is small; a socket that just connected takes it whole.
        std::size_t sent = 0;
        if (m_pipe->send(step.send, sent) != 0 || sent != step.send.size()) {
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
        // complete piece is delivered by now, and the receive has armed the next notification
        // for what is left; a closing read takes no more either.
        if (taken >= kReadBudget)
            break;
        std::size_t got = 0;
        const int code = m_pipe->receive(m_buffer.freeSpace(), got);
        if (code == 0 && got > 0) {
            m_buffer.commit(got);
            taken += got;
            continue;
        }
        if (code == 0) {
            peerClosed = true;
            break;
        }
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
    m_closing = true;
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
    m_pipe->close();
    m_lookup.cancel();
    m_negotiator.reset();
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
    if (!isConnected()) {
        library().WSASetLastError(win::WSAENOTCONN);
        return fail(win::WSAENOTCONN, describeSocketError(win::WSAENOTCONN));
    }
    if (const int code = m_pipe->send(bytes, sent); code != 0)
        return fail(code, describeSocketError(code));
    return sent < bytes.size() ? win::WSAEWOULDBLOCK : 0;
}

} // namespace net
