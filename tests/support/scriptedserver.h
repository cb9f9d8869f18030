// SPDX-License-Identifier: GPL-3.0-or-later
// A small web server on loopback whose every answer is a script of the test: hostile ones
// (silent, trickling, endless, resetting) included. It runs on a thread of its own, one
// connection at a time, with the system's own socket calls.
#pragma once

#include "tests/support/eventwait.h"
#include "tests/support/loopbackpeer.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <poll.h>
#include <string>
#include <thread>

namespace testing_support {

class ScriptedServer
{
public:
    // Answers one connection: its descriptor and the request head as read. `stopping` turns
    // true when the server shuts down; a script that waits must look at it.
    using Script = std::function<void(
        int fd, const std::string& request, const std::atomic<bool>& stopping)>;

    explicit ScriptedServer(Script script)
        : m_script(std::move(script))
        , m_thread([this] { run(); })
    {
    }
    ~ScriptedServer()
    {
        m_stopping = true;
        m_thread.join();
    }
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::uint16_t port() const { return m_listener.port(); }
    int connections() const { return m_connections; }
    std::string lastRequest() const
    {
        std::lock_guard lock(m_mutex);
        return m_lastRequest;
    }

    // A script's silence is what the client under test faces, so it lasts `time` on the
    // monotonic clock, cut short only by the server stopping; false when it is stopping.
    static bool pause(std::chrono::milliseconds time, const std::atomic<bool>& stopping)
    {
        return !runEventsUntil([&] { return stopping.load(); }, static_cast<int>(time.count()));
    }

    // Holds the connection until the client closes it; false when the server stops first.
    static bool holdUntilClosed(int fd, const std::atomic<bool>& stopping)
    {
        while (!stopping) {
            pollfd ready { fd, POLLIN, 0 };
            if (::poll(&ready, 1, 20) <= 0)
                continue;
            char chunk[4096];
            if (::recv(fd, chunk, sizeof chunk, 0) <= 0)
                return true;
        }
        return false;
    }

private:
    void run()
    {
        while (!m_stopping) {
            const int fd = m_listener.tryAccept(20);
            if (fd < 0)
                continue;
            ++m_connections;
            const std::string request = readHead(fd);
            {
                std::lock_guard lock(m_mutex);
                m_lastRequest = request;
            }
            m_script(fd, request, m_stopping);
            ::close(fd);
        }
    }

    std::string readHead(int fd) const
    {
        std::string head;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536
            && std::chrono::steady_clock::now() < end && !m_stopping) {
            pollfd ready { fd, POLLIN, 0 };
            if (::poll(&ready, 1, 20) <= 0)
                continue;
            char chunk[4096];
            const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
            if (got <= 0)
                break;
            head.append(chunk, static_cast<std::size_t>(got));
        }
        return head;
    }

    LoopbackListener m_listener;
    Script m_script;
    std::atomic<bool> m_stopping = false;
    std::atomic<int> m_connections = 0;
    mutable std::mutex m_mutex;
    std::string m_lastRequest;
    std::thread m_thread;
};

} // namespace testing_support
