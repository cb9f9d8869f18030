// SPDX-License-Identifier: GPL-3.0-or-later
// The socket library, loaded at run time and shared by every transport of the process.
#pragma once

#include "platform/win/winsock.h"

#include <string>

namespace net {

// The entry points the transport calls, resolved by their standard ordinals. While the library
// is not loaded each one is a stand-in that fails: -1 (or a null pointer), and 10093 from
// WSAGetLastError.
struct SocketFunctions
{
    decltype(&win::bind_) bind;
    decltype(&win::closesocket) closesocket;
    decltype(&win::connect_) connect;
    decltype(&win::getsockname_) getsockname;
    decltype(&win::getsockopt_) getsockopt;
    decltype(&win::htons_) htons;
    decltype(&win::inet_addr_) inet_addr;
    decltype(&win::inet_ntoa_) inet_ntoa;
    decltype(&win::ntohs_) ntohs;
    decltype(&win::recv_) recv;
    decltype(&win::send_) send;
    decltype(&win::setsockopt_) setsockopt;
    decltype(&win::socket_) socket;
    decltype(&win::gethostbyname_) gethostbyname;
    decltype(&win::gethostname_) gethostname;
    decltype(&win::WSAAsyncSelect) WSAAsyncSelect;
    decltype(&win::WSAGetLastError) WSAGetLastError;
    decltype(&win::WSASetLastError) WSASetLastError;
    decltype(&win::WSACancelBlockingCall) WSACancelBlockingCall;
    decltype(&win::WSAIsBlocking) WSAIsBlocking;
    decltype(&win::WSAStartup) WSAStartup;
    decltype(&win::WSACleanup) WSACleanup;
};

// One per process; each transport holds at most one load of it.
class SocketLibrary
{
public:
    static SocketLibrary& instance();

    // Loads (or counts one more load of) the library and starts it for version 1.1. Never
    // throws: a failure leaves the library as it was and says why in info().
    bool load();
    // Gives back one load; the last one stops the library and restores the failing stand-ins.
    void unload();
    int loadCount() const { return m_loads; }

    const SocketFunctions& functions() const { return m_functions; }

    // The library file; empty means "WSOCK32.DLL". Takes effect at the next first load.
    std::string path() const;
    void setPath(std::string path);

    // The library's start-up record: its description (or why loading failed), its status
    // ("Down" while not loaded) and its limits.
    const std::string& info() const { return m_info; }
    const std::string& status() const { return m_status; }
    int maxSockets() const { return m_maxSockets; }
    int maxDatagramSize() const { return m_maxDatagramSize; }

private:
    SocketLibrary();
    void resolve();
    void release();

    SocketFunctions m_functions;
    std::string m_path;
    win::HMODULE m_module = 0;
    int m_loads = 0;
    std::string m_info;
    std::string m_status = "Down";
    int m_maxSockets = 0;
    int m_maxDatagramSize = 0;
};

} // namespace net
