// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace net {

// Who answers host names: in the program the socket library's blocking lookup on a thread of its
// own, so the thread that asked keeps running its events while a name server takes its time; in
// tests a table of the test's own.
class NameResolver
{
public:
    // The library's code (0, or 11001 to 11004) and the first IPv4 address in host order.
    using Done = std::function<void(int code, std::uint32_t address)>;

    virtual ~NameResolver() = default;
    // The answer comes as an event of the asking thread, never from inside this call.
    virtual void lookUp(const std::string& host, Done done) = 0;

    // The socket library's lookup.
    static std::shared_ptr<NameResolver> system();
};

// One lookup at a time on behalf of its owner. A lookup that is cancelled or replaced is left to
// finish on its own; its answer is dropped.
class HostLookup
{
public:
    using Done = NameResolver::Done;

    explicit HostLookup(NameResolver& resolver)
        : m_resolver(resolver)
    {
    }
    ~HostLookup() { cancel(); }
    HostLookup(const HostLookup&) = delete;
    HostLookup& operator=(const HostLookup&) = delete;

    void start(const std::string& host, Done done);
    void cancel();
    bool pending() const { return m_request != nullptr; }

private:
    struct Request;
    void finish(const std::shared_ptr<Request>& request, int code, std::uint32_t address);

    NameResolver& m_resolver;
    std::shared_ptr<Request> m_request;
};

} // namespace net
