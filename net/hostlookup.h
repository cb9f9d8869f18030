// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace net {

// A name looked up with the socket library's blocking call on a thread of its own, so the
// thread that asked keeps running its events while a name server takes its time. The answer
// comes back as an event of the asking thread. A lookup that is cancelled or replaced is left
// to finish on its own; its answer is dropped.
class HostLookup
{
public:
    // The library's code (0, or 11001 to 11004) and the first IPv4 address in host order.
    using Done = std::function<void(int code, std::uint32_t address)>;

    HostLookup() = default;
    ~HostLookup() { cancel(); }
    HostLookup(const HostLookup&) = delete;
    HostLookup& operator=(const HostLookup&) = delete;

    void start(const std::string& host, Done done);
    void cancel();
    bool pending() const { return m_request != nullptr; }

private:
    struct Request;
    void finish(const std::shared_ptr<Request>& request, int code, std::uint32_t address);

    std::shared_ptr<Request> m_request;
};

} // namespace net
