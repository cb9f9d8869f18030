// SPDX-License-Identifier: GPL-3.0-or-later
// A name server that never answers, in a network namespace of the test's own: a failing
// dial-up line's DNS as the client sees it. Programs run inside through `ip netns exec`, which
// gives them the namespace's resolv.conf; every question they ask is logged and dropped.
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testing_support {

class SilentNameServer
{
public:
    struct Question
    {
        std::string name;
        std::chrono::steady_clock::time_point at;
    };

    // Why this machine cannot have one; empty when it can.
    static std::string unavailable()
    {
        if (geteuid() != 0)
            return "needs root for a network namespace";
        if (ipCommand().empty())
            return "needs ip (iproute2)";
        return {};
    }

    SilentNameServer()
        : m_namespace("vantrel-dns-" + std::to_string(getpid()))
    {
        if (!run("ip netns add " + m_namespace)) {
            m_problem = "ip netns add failed";
            return;
        }
        m_created = true;
        if (!run("ip netns exec " + m_namespace + " ip link set lo up")) {
            m_problem = "cannot bring up the namespace's loopback";
            return;
        }
        // One question, waited for long: the resolver must not give up before the client does.
        std::filesystem::create_directories(configFolder());
        std::ofstream(configFolder() / "resolv.conf")
            << "nameserver 127.0.0.1\noptions timeout:30 attempts:1\n";
        inside([this] {
            m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
            sockaddr_in address {};
            address.sin_family = AF_INET;
            address.sin_port = htons(53);
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (m_fd < 0
                || ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
                m_problem = "cannot bind the name server's port";
        });
        if (m_problem.empty())
            m_thread = std::thread([this] { listen(); });
    }
    ~SilentNameServer()
    {
        m_stopping = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
        std::error_code ignored;
        std::filesystem::remove_all(configFolder(), ignored);
        if (m_created)
            run("ip netns del " + m_namespace);
    }
    SilentNameServer(const SilentNameServer&) = delete;
    SilentNameServer& operator=(const SilentNameServer&) = delete;

    // Empty when the server listens.
    const std::string& problem() const { return m_problem; }
    // The command a program runs under to be inside, its own command line following.
    std::vector<std::string> wrapper() const
    {
        return { ipCommand(), "netns", "exec", m_namespace };
    }

    // Runs `work` on a thread inside the namespace: sockets it makes stay there.
    void inside(const std::function<void()>& work)
    {
        std::thread([&] {
            const int ns = ::open(("/run/netns/" + m_namespace).c_str(), O_RDONLY | O_CLOEXEC);
            if (ns < 0 || setns(ns, CLONE_NEWNET) != 0)
                m_problem = "cannot enter the namespace";
            else
                work();
            if (ns >= 0)
                ::close(ns);
        }).join();
    }

    std::vector<Question> questions() const
    {
        std::lock_guard lock(m_mutex);
        return m_questions;
    }
    std::size_t questionsFor(const std::string& name) const
    {
        std::size_t count = 0;
        for (const Question& question : questions())
            count += question.name == name ? 1u : 0u;
        return count;
    }

private:
    static std::string ipCommand()
    {
        for (const char* path : { "/usr/sbin/ip", "/sbin/ip", "/usr/bin/ip", "/bin/ip" }) {
            if (::access(path, X_OK) == 0)
                return path;
        }
        return {};
    }
    static bool run(const std::string& command)
    {
        return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
    }
    std::filesystem::path configFolder() const { return "/etc/netns/" + m_namespace; }

    void listen()
    {
        while (!m_stopping) {
            pollfd ready { m_fd, POLLIN, 0 };
            if (::poll(&ready, 1, 20) <= 0)
                continue;
            unsigned char packet[512];
            const ssize_t got = ::recv(m_fd, packet, sizeof packet, 0);
            if (got > 12) {
                std::lock_guard lock(m_mutex);
                m_questions.push_back({ questionName(packet, static_cast<std::size_t>(got)),
                    std::chrono::steady_clock::now() });
            }
        }
    }

    // The dotted name of a query's first question.
    static std::string questionName(const unsigned char* packet, std::size_t size)
    {
        std::string name;
        for (std::size_t at = 12; at < size && packet[at] != 0;) {
            const std::size_t length = packet[at++];
            if (at + length > size)
                break;
            if (!name.empty())
                name += '.';
            name.append(reinterpret_cast<const char*>(packet + at), length);
            at += length;
        }
        return name;
    }

    std::string m_namespace;
    bool m_created = false;
    std::string m_problem;
    int m_fd = -1;
    std::atomic<bool> m_stopping = false;
    mutable std::mutex m_mutex;
    std::vector<Question> m_questions;
    std::thread m_thread;
};

} // namespace testing_support
