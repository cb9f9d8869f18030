// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostlookup.h"

#include "socketlibrary.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <thread>

namespace net {

namespace {

class LibraryResolver : public NameResolver
{
public:
    void lookUp(const std::string& host, Done done) override
    {
        // The entry points as they are now: the worker never reads the library's table.
        const SocketFunctions& f = SocketLibrary::instance().functions();
        const auto lookUp = f.gethostbyname;
        const auto lastError = f.WSAGetLastError;
        QObject* home = QCoreApplication::instance();
        std::thread([done = std::move(done), host, lookUp, lastError, home] {
            int code = 0;
            std::uint32_t address = 0;
            const win::hostent_* entry = lookUp(host.c_str());
            if (entry && entry->h_addr_list && entry->h_addr_list[0]) {
                win::DWORD networkOrder = 0;
                std::copy_n(entry->h_addr_list[0], sizeof networkOrder,
                    reinterpret_cast<char*>(&networkOrder));
                address = qFromBigEndian<std::uint32_t>(networkOrder);
            } else
                code = lastError(); // per thread, as the result itself
            if (!home)
                return;
            QMetaObject::invokeMethod(
                home, [done, code, address] { done(code, address); }, Qt::QueuedConnection);
        }).detach();
    }
};

} // namespace

std::shared_ptr<NameResolver> NameResolver::system()
{
    static const auto resolver = std::make_shared<LibraryResolver>();
    return resolver;
}

struct HostLookup::Request
{
    HostLookup* owner; // touched on the asking thread only
    Done done;
};

void HostLookup::start(const std::string& host, Done done)
{
    cancel();
    auto request = std::make_shared<Request>(Request { this, std::move(done) });
    m_request = request;
    m_resolver.lookUp(host, [request](int code, std::uint32_t address) {
        if (request->owner)
            request->owner->finish(request, code, address);
    });
}

void HostLookup::cancel()
{
    if (!m_request)
        return;
    m_request->owner = nullptr;
    m_request->done = nullptr;
    m_request.reset();
}

void HostLookup::finish(const std::shared_ptr<Request>& request, int code, std::uint32_t address)
{
    Done done = std::move(request->done);
    request->owner = nullptr;
    if (m_request == request)
        m_request.reset();
    if (done)
        done(code, address);
}

} // namespace net
