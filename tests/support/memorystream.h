// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted peer in memory behind the HTTP client's stream seam: it records what the client
// sends and, once the request is out, answers with its script, cut into pieces exactly as the
// socket transport cuts them.
#pragma once

#include "net/bytestream.h"
#include "net/receivebuffer.h"

#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct PeerScript
{
    int connectCode = 0; // what the connect reports
    bool connectCompletes = true; // false: the connect stays pending
    // The answer to each connection in turn; the last one answers every later connection too.
    std::vector<std::string> responses;
    std::size_t chunkSize = 512; // how much arrives per event
    bool closes = true; // false: the peer keeps the connection open after its answer
    int closeCode = 0;
};

// What the client did, kept by the test beyond the stream's life.
struct PeerLog
{
    std::vector<std::string> sends; // one entry per send call
    std::string remoteHost;
    std::uint16_t remotePort = 0;
    int connects = 0;
    std::string sent() const
    {
        std::string all;
        for (const auto& piece : sends)
            all += piece;
        return all;
    }
};

class MemoryStream : public net::ByteStream
{
public:
    MemoryStream(Listener& listener, const PeerScript& script, PeerLog& log)
        : m_listener(listener)
        , m_script(script)
        , m_log(log)
    {
    }

    int setRemoteHost(std::string host) override
    {
        m_log.remoteHost = std::move(host);
        if (m_socket)
            return fail(
                101, "You cannot change the RemoteHost at this time. A connection is in progress.");
        return 0;
    }
    int setRemotePort(std::uint16_t port) override
    {
        if (m_socket)
            return fail(
                100, "You cannot change the RemotePort at this time. A connection is in progress.");
        m_log.remotePort = port;
        return 0;
    }
    int setMaxLineSize(std::size_t size) override
    {
        m_buffer = net::ReceiveBuffer(size);
        return 0;
    }
    void setLineEnd(std::string lineEnd) override { m_buffer.setLineEnd(std::move(lineEnd)); }
    void setDelivery(bool enabled) override
    {
        m_delivery = enabled;
        if (enabled && m_connected && !m_answering) {
            m_answering = true;
            later([this] { pump(); });
        }
    }
    int connect() override
    {
        if (m_socket)
            return fail(104,
                "Already connected. If you want to reconnect, close the current connection "
                "first.");
        ++m_log.connects;
        m_socket = true;
        m_answered = 0;
        m_answering = false;
        m_buffer.clear();
        if (m_script.connectCompletes)
            later([this] {
                if (!m_socket)
                    return;
                m_connected = m_script.connectCode == 0;
                if (!m_connected)
                    m_socket = false;
                m_listener.connected(m_script.connectCode);
            });
        return 0;
    }
    void close(int code) override
    {
        if (!m_socket)
            return;
        if (m_inDelivery) {
            m_closePending = code;
            return;
        }
        m_socket = false;
        m_connected = false;
        m_listener.disconnected(code);
    }
    int send(std::string_view bytes, std::size_t& sent) override
    {
        sent = 0;
        if (!m_connected)
            return fail(10057, "[10057] Socket is not connected");
        m_log.sends.emplace_back(bytes);
        sent = bytes.size();
        return 0;
    }
    bool isConnected() const override { return m_connected; }
    bool hasSocket() const override { return m_socket; }
    std::intptr_t socketHandle() const override { return m_socket ? 7 : -1; }
    const std::string& message() const override { return m_message; }

    net::FirewallType firewallType() const override { return m_firewallType; }
    void setFirewallType(net::FirewallType type) override { m_firewallType = type; }
    int setFirewallHost(const std::string& host) override
    {
        m_firewallHost = host;
        return 0;
    }
    std::string firewallHost() const override { return m_firewallHost; }
    std::uint16_t firewallPort() const override { return m_firewallPort; }
    void setFirewallPort(std::uint16_t port) override { m_firewallPort = port; }
    net::FirewallNegotiator& firewall() override { return m_negotiator; }
    int setLocalHost(const std::string& host) override
    {
        m_localHost = host;
        return 0;
    }
    std::string localHost() const override { return m_localHost; }
    bool winsockLoaded() const override { return m_loaded; }
    void setWinsockLoaded(bool loaded) override { m_loaded = loaded; }

private:
    int fail(int code, std::string text)
    {
        m_message = std::move(text);
        return code;
    }

    void later(std::function<void()> step)
    {
        QTimer::singleShot(0, m_guard.get(), std::move(step));
    }

    const std::string& currentResponse() const
    {
        static const std::string silence;
        if (m_script.responses.empty())
            return silence;
        const auto index = std::min<std::size_t>(
            static_cast<std::size_t>(m_log.connects) - 1, m_script.responses.size() - 1);
        return m_script.responses[index];
    }

    // One chunk of the answer per event, so the client's wait keeps dispatching in between.
    void pump()
    {
        if (!m_socket || !m_delivery)
            return;
        const std::string& response = currentResponse();
        const std::size_t count = std::min(m_script.chunkSize, response.size() - m_answered);
        const std::size_t room = m_buffer.freeSpace().size();
        const std::size_t taken = std::min(count, room);
        std::copy_n(response.data() + m_answered, taken, m_buffer.freeSpace().data());
        m_buffer.commit(taken);
        m_answered += taken;
        const bool last = m_answered == response.size();
        m_inDelivery = true;
        while (m_socket && !m_closePending) {
            const auto piece = m_buffer.takeComplete();
            if (!piece)
                break;
            m_listener.received(piece->bytes, piece->endsLine);
        }
        if (last && m_script.closes && m_socket && !m_closePending) {
            if (const auto rest = m_buffer.takeRemainder())
                m_listener.received(rest->bytes, rest->endsLine);
        }
        m_inDelivery = false;
        if (m_closePending) {
            const int code = *m_closePending;
            m_closePending.reset();
            close(code);
            return;
        }
        if (!last)
            later([this] { pump(); });
        else if (m_script.closes)
            close(m_script.closeCode);
    }

    Listener& m_listener;
    const PeerScript& m_script;
    PeerLog& m_log;
    std::unique_ptr<QObject> m_guard = std::make_unique<QObject>(); // drops steps after death
    net::ReceiveBuffer m_buffer;
    bool m_socket = false;
    bool m_connected = false;
    bool m_delivery = true;
    bool m_answering = false;
    bool m_inDelivery = false;
    std::optional<int> m_closePending;
    std::size_t m_answered = 0;
    std::string m_message;
    net::FirewallType m_firewallType = net::FirewallType::fwNone;
    std::string m_firewallHost;
    std::uint16_t m_firewallPort = 0;
    net::FirewallNegotiator m_negotiator;
    std::string m_localHost = "localhost";
    bool m_loaded = true;
};

} // namespace testing_support
