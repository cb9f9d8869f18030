// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted peer in memory under the HTTP client's transport: a pipe that records what the
// client sends and, once the request is out, answers with its script, one chunk per event; and
// a resolver that gives every host name an address of its own. The transport's rules above them
// are the program's own.
#pragma once

#include "fakesource.h"
#include "net/bytepipe.h"
#include "net/hostlookup.h"
#include "net/sockettransport.h"
#include "platform/modulenames.h"
#include "platform/win/winsock.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
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
};

// What the client did, kept by the test beyond the peer's life.
struct PeerLog
{
    std::vector<std::string> sends; // one entry per send call
    std::string remoteHost; // the name the connection's address was given for
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

// Every name stands for an address of its own in 10.0.0.0/8, handed out in the order asked.
class ScriptedNames : public net::NameResolver
{
public:
    void lookUp(const std::string& host, Done done) override
    {
        ++m_asked;
        const std::uint32_t address = addressOf(host);
        QTimer::singleShot(0, &m_guard, [done = std::move(done), address] { done(0, address); });
    }

    int asked() const { return m_asked; }

    // The name an address was given for; a dotted address otherwise.
    std::string nameOf(std::uint32_t address) const
    {
        const std::uint32_t index = address - kFirst;
        if (index < m_names.size())
            return m_names[index];
        std::string text;
        for (int shift = 24; shift >= 0; shift -= 8)
            text += std::to_string((address >> shift) & 0xFFu) + (shift > 0 ? "." : "");
        return text;
    }

private:
    static constexpr std::uint32_t kFirst = 0x0A000001; // 10.0.0.1

    std::uint32_t addressOf(const std::string& host)
    {
        auto found = std::find(m_names.begin(), m_names.end(), host);
        if (found == m_names.end())
            found = m_names.insert(m_names.end(), host);
        return kFirst + static_cast<std::uint32_t>(found - m_names.begin());
    }

    std::vector<std::string> m_names;
    int m_asked = 0;
    QObject m_guard; // drops answers after the resolver's death
};

// Plays the script to each connection: the answer starts arriving once the client's first send
// has gone out, one chunk per event; the peer closes after it unless the script says otherwise.
class ScriptedPipe : public net::BytePipe
{
public:
    ScriptedPipe(Listener& listener, const PeerScript& script, PeerLog& log,
        std::shared_ptr<const ScriptedNames> names)
        : m_listener(listener)
        , m_script(script)
        , m_log(log)
        , m_names(std::move(names))
    {
    }

    int open(const Target& target) override
    {
        ++m_log.connects;
        m_log.remoteHost = m_names->nameOf(target.address);
        m_log.remotePort = target.port;
        ++m_connection;
        m_open = true;
        m_answering = false;
        m_answered = 0;
        m_arrived = 0;
        if (m_script.connectCompletes)
            later([this] { m_listener.opened(m_script.connectCode); });
        return 0;
    }
    int receive(std::span<char> into, std::size_t& got) override
    {
        got = std::min(into.size(), m_arrived);
        if (got == 0)
            return ended() ? 0 : win::WSAEWOULDBLOCK;
        std::copy_n(response().data() + m_answered, got, into.data());
        m_answered += got;
        m_arrived -= got;
        // Like a socket: what is left is announced again; once all is taken the next chunk comes.
        if (m_arrived > 0 || ended())
            later([this] { m_listener.readable(); });
        else
            later([this] { arrive(); });
        return 0;
    }
    int send(std::string_view bytes, std::size_t& sent) override
    {
        m_log.sends.emplace_back(bytes);
        sent = bytes.size();
        if (!m_answering) {
            m_answering = true;
            later([this] { arrive(); });
        }
        return 0;
    }
    void close() override
    {
        m_open = false;
        ++m_connection; // drops what was still on its way
    }
    bool isOpen() const override { return m_open; }
    std::intptr_t handle() const override { return m_open ? 7 : -1; }
    int localAddress(std::uint32_t& address) const override
    {
        address = 0x7F000001;
        return 0;
    }

private:
    const std::string& response() const
    {
        static const std::string silence;
        if (m_script.responses.empty())
            return silence;
        const auto index = std::min<std::size_t>(
            static_cast<std::size_t>(m_log.connects) - 1, m_script.responses.size() - 1);
        return m_script.responses[index];
    }
    bool ended() const { return m_answering && m_script.closes && m_answered == response().size(); }

    void arrive()
    {
        m_arrived = std::min(m_script.chunkSize, response().size() - m_answered);
        if (m_arrived > 0 || ended())
            m_listener.readable();
    }

    // A step of this connection, run from the event loop unless the connection has gone.
    void later(std::function<void()> step)
    {
        QTimer::singleShot(0, m_guard.get(), [this, connection = m_connection, step] {
            if (m_open && connection == m_connection)
                step();
        });
    }

    Listener& m_listener;
    const PeerScript& m_script;
    PeerLog& m_log;
    std::shared_ptr<const ScriptedNames> m_names;
    std::unique_ptr<QObject> m_guard = std::make_unique<QObject>(); // drops steps after death
    int m_connection = 0;
    bool m_open = false;
    bool m_answering = false; // the request has started going out
    std::size_t m_answered = 0; // bytes of the answer taken by the client
    std::size_t m_arrived = 0; // bytes of the current chunk not yet taken
};

// The seams that put the client on a scripted peer.
inline net::TransportSeams scriptedPeer(const PeerScript& script, PeerLog& log)
{
    auto names = std::make_shared<ScriptedNames>();
    return { [&script, &log, names](net::BytePipe::Listener& listener) {
                return std::make_unique<ScriptedPipe>(listener, script, log, names);
            },
        names };
}

// The same on a fake machine, which then has the socket library whose rules the transport
// applies (dotted addresses, the machine's name, the library's hold).
inline net::TransportSeams scriptedPeer(FakeSource& machine, const PeerScript& script, PeerLog& log)
{
    machine.addModule(platform::modules::kSockets);
    return scriptedPeer(script, log);
}

} // namespace testing_support
