// SPDX-License-Identifier: GPL-3.0-or-later
// A name server in a network namespace of the test's own, so that no name lookup of a test
// leaves the machine: one that never answers (a failing dial-up line's DNS as the client sees
// it) and one that answers every question "no such name". Programs run inside through
// `ip netns exec`, which gives them the namespace's resolv.conf; the test's own thread goes in
// with enter(). Every question asked is logged.
#pragma once

#include <algorithm>
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
#include <sys/mount.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testing_support {

class NamespaceNameServer
{
public:
    enum class Answer {
        Nothing, // every question is dropped
        NoSuchName, // every question is answered NXDOMAIN
    };

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

    explicit NamespaceNameServer(Answer answer)
        : m_answer(answer)
        , m_namespace("vantrel-dns-" + std::to_string(getpid()) + "-" + std::to_string(nextId()))
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
    ~NamespaceNameServer()
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
    NamespaceNameServer(const NamespaceNameServer&) = delete;
    NamespaceNameServer& operator=(const NamespaceNameServer&) = delete;

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

    // The calling thread inside the namespace, seeing its resolv.conf, until the scope ends;
    // threads it starts meanwhile (a lookup's worker) are inside too. problem() says when it
    // could not go in.
    class Entered
    {
    public:
        explicit Entered(NamespaceNameServer& server)
        {
            m_cwd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            m_ownNet = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
            m_ownMounts = ::open("/proc/thread-self/ns/mnt", O_RDONLY | O_CLOEXEC);
            const int net
                = ::open(("/run/netns/" + server.m_namespace).c_str(), O_RDONLY | O_CLOEXEC);
            const std::string config = (server.configFolder() / "resolv.conf").string();
            // A mount table of this thread's own, cut off from the machine's, so the bind of
            // resolv.conf is seen here only.
            const bool entered = m_cwd >= 0 && m_ownNet >= 0 && m_ownMounts >= 0 && net >= 0
                && ::unshare(CLONE_NEWNS) == 0
                && ::mount(nullptr, "/", nullptr, MS_REC | MS_SLAVE, nullptr) == 0
                && ::mount(config.c_str(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) == 0
                && ::setns(net, CLONE_NEWNET) == 0;
            if (net >= 0)
                ::close(net);
            if (!entered)
                server.m_problem = "cannot enter the namespace with its resolv.conf";
        }
        ~Entered()
        {
            if (m_ownNet >= 0 && ::setns(m_ownNet, CLONE_NEWNET) != 0)
                std::abort(); // a test thread left inside would talk to the wrong network
            // A lookup's worker may still share this thread's root and folder; going back to
            // the machine's mounts needs them unshared.
            if (m_ownMounts >= 0
                && (::unshare(CLONE_FS) != 0 || ::setns(m_ownMounts, CLONE_NEWNS) != 0))
                std::abort();
            if (m_cwd >= 0 && ::fchdir(m_cwd) != 0)
                std::abort();
            for (const int fd : { m_cwd, m_ownNet, m_ownMounts }) {
                if (fd >= 0)
                    ::close(fd);
            }
        }
        Entered(const Entered&) = delete;
        Entered& operator=(const Entered&) = delete;

    private:
        int m_cwd = -1;
        int m_ownNet = -1;
        int m_ownMounts = -1;
    };

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
    static int nextId()
    {
        static std::atomic<int> last = 0;
        return ++last;
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
            sockaddr_in from {};
            socklen_t fromSize = sizeof from;
            const ssize_t got = ::recvfrom(
                m_fd, packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
            if (got <= 12)
                continue;
            const auto size = static_cast<std::size_t>(got);
            {
                std::lock_guard lock(m_mutex);
                m_questions.push_back(
                    { questionName(packet, size), std::chrono::steady_clock::now() });
            }
            if (m_answer == Answer::NoSuchName && questionEnd(packet, size) != 0) {
                const std::size_t length = questionEnd(packet, size);
                packet[2] = static_cast<unsigned char>(0x80 | (packet[2] & 0x79)); // QR, RD kept
                packet[3] = 0x80 | 3; // recursion available, NXDOMAIN
                std::fill(packet + 6, packet + 12, 0); // no answer, authority or additional
                ::sendto(m_fd, packet, length, 0, reinterpret_cast<sockaddr*>(&from), fromSize);
            }
        }
    }

    // Where a query's first question ends (its name, type and class); 0 when it is cut short.
    static std::size_t questionEnd(const unsigned char* packet, std::size_t size)
    {
        std::size_t at = 12;
        while (at < size && packet[at] != 0)
            at += 1 + packet[at];
        return at + 5 <= size ? at + 5 : 0;
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

    Answer m_answer;
    std::string m_namespace;
    bool m_created = false;
    std::string m_problem;
    int m_fd = -1;
    std::atomic<bool> m_stopping = false;
    mutable std::mutex m_mutex;
    std::vector<Question> m_questions;
    std::thread m_thread;
};

class SilentNameServer : public NamespaceNameServer
{
public:
    SilentNameServer()
        : NamespaceNameServer(Answer::Nothing)
    {
    }
};

class DenyingNameServer : public NamespaceNameServer
{
public:
    DenyingNameServer()
        : NamespaceNameServer(Answer::NoSuchName)
    {
    }
};

// The calling thread's name lookups go to a DenyingNameServer while this lives.
class DenyingNameServerInside
{
public:
    DenyingNameServerInside()
        : m_entered(m_server)
    {
    }
    // Empty when lookups reach the server.
    const std::string& problem() const { return m_server.problem(); }
    std::size_t questionsFor(const std::string& name) const { return m_server.questionsFor(name); }

private:
    DenyingNameServer m_server;
    NamespaceNameServer::Entered m_entered;
};

} // namespace testing_support
