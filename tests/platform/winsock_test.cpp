// SPDX-License-Identifier: GPL-3.0-or-later
// The socket library: start-up, names and addresses, and readiness notifications over loopback.
#include "platform/win/winbase.h"
#include "platform/win/winsock.h"
#include "platform/windowservice.h"
#include "tests/support/eventwait.h"
#include "tests/support/loopbackpeer.h"
#include "tests/support/missingpeer.h"
#include "tests/support/silentnameserver.h"

#include <QCoreApplication>
#include <arpa/inet.h>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace win;

namespace {

constexpr UINT kSocketMessage = 0x0400 + 7;

class Started
{
public:
    Started() { EXPECT_EQ(WSAStartup(0x0101, &data), 0); }
    ~Started() { WSACleanup(); }
    WSADATA data {};
};

using Listener = testing_support::LoopbackListener;

sockaddr_in_ loopback(WORD port)
{
    sockaddr_in_ address {};
    address.sin_family = AF_INET_;
    address.sin_port = htons_(port);
    address.sin_addr.s_addr = inet_addr_("127.0.0.1");
    return address;
}

struct Notification
{
    long event;
    int error;
};

// A message window that records what the socket library posts to it.
class Recorder
{
public:
    Recorder()
        : window(platform::createMessageWindow(
            [this](UINT message, std::uintptr_t, std::intptr_t lParam) {
                if (message == kSocketMessage)
                    seen.push_back({ WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam) });
            }))
    {
    }
    ~Recorder() { platform::destroyMessageWindow(window); }

    // Runs the event loop until `event` arrives; its error code, or -1 on timeout.
    int waitFor(long event, int timeoutMs = 5000)
    {
        const auto arrived = [&]() -> const Notification* {
            for (const auto& notification : seen)
                if (notification.event == event)
                    return &notification;
            return nullptr;
        };
        return testing_support::runEventsUntil([&] { return arrived() != nullptr; }, timeoutMs)
            ? arrived()->error
            : -1;
    }
    int count(long event) const
    {
        int n = 0;
        for (const auto& notification : seen)
            n += notification.event == event;
        return n;
    }

    HWND window;
    std::vector<Notification> seen;
};

TEST(SocketLibrary, RefusesEveryCallBeforeStartupAndAfterTheLastCleanup)
{
    EXPECT_EQ(socket_(AF_INET_, SOCK_STREAM_, 0), INVALID_SOCKET);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    EXPECT_EQ(gethostbyname_("localhost"), nullptr);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    EXPECT_EQ(WSACleanup(), SOCKET_ERROR);

    WSADATA data {};
    ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    EXPECT_EQ(data.wVersion, 0x0101) << "a 1.1 caller is given 1.1";
    ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    const SOCKET s = socket_(AF_INET_, SOCK_STREAM_, 0);
    ASSERT_NE(s, INVALID_SOCKET);
    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(closesocket(s), 0) << "startups are counted: one cleanup leaves the library running";
    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(closesocket(s), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    EXPECT_EQ(WSAStartup(0x0000, &data), WSAVERNOTSUPPORTED);
}

TEST(SocketLibrary, ConvertsAddressesAndNames)
{
    Started started;
    EXPECT_EQ(inet_addr_("10.1.2.3"), htonl(0x0A010203));
    EXPECT_EQ(inet_addr_("300.1.2.3"), 0xFFFFFFFFu) << "INADDR_NONE for a malformed address";
    EXPECT_EQ(std::string(inet_ntoa_(in_addr_ { htonl(0xC0A80001) })), "192.168.0.1");
    EXPECT_EQ(ntohs_(htons_(8080)), 8080);

    const hostent_* host = gethostbyname_("localhost");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->h_addrtype, AF_INET_);
    EXPECT_EQ(host->h_length, 4);
    ASSERT_NE(host->h_addr_list[0], nullptr);
    EXPECT_EQ(
        reinterpret_cast<const in_addr_*>(host->h_addr_list[0])->s_addr, htonl(INADDR_LOOPBACK));
    EXPECT_EQ(host->h_addr_list[1], nullptr);

    char name[256] {};
    EXPECT_EQ(gethostname_(name, sizeof name), 0);
    EXPECT_GT(std::string(name).size(), 0u);
    EXPECT_EQ(gethostname_(name, 1), SOCKET_ERROR)
        << "a buffer too small is a fault, not a cut name";
    EXPECT_EQ(WSAGetLastError(), WSAEFAULT);
}

TEST(SocketLibrary, ReportsAnUnknownNameWithItsCode)
{
    // The name is asked of a name server of the test's own, never of the machine's.
    if (const std::string why = testing_support::DenyingNameServer::unavailable(); !why.empty())
        VANTREL_SKIP_UNLESS_CI() << why;
    const testing_support::DenyingNameServerInside dns;
    ASSERT_EQ(dns.problem(), "");
    Started started;
    EXPECT_EQ(gethostbyname_("no-such-host.invalid"), nullptr);
    EXPECT_GE(WSAGetLastError(), WSAHOST_NOT_FOUND);
    EXPECT_LE(WSAGetLastError(), WSANO_DATA);
    EXPECT_GT(dns.questionsFor("no-such-host.invalid"), 0u) << "our server was asked";
}

TEST(SocketLibrary, RejectsUnknownSocketsAndUnsupportedKinds)
{
    Started started;
    char byte = 0;
    EXPECT_EQ(recv_(0x7777, &byte, 1, 0), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
    EXPECT_EQ(socket_(AF_INET_, 2 /* datagram */, 0), INVALID_SOCKET);
    EXPECT_EQ(socket_(23 /* IPv6 */, SOCK_STREAM_, 0), INVALID_SOCKET);

    const SOCKET s = socket_(AF_INET_, SOCK_STREAM_, 0);
    EXPECT_EQ(recv_(s, &byte, 1, 0), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAENOTCONN);
    EXPECT_EQ(closesocket(s), 0);
    EXPECT_EQ(closesocket(s), SOCKET_ERROR) << "a handle is gone once closed";
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
}

TEST(SocketNotifications, FollowAConversationFromConnectToClose)
{
    Started started;
    Listener listener;
    Recorder recorder;
    const SOCKET s = socket_(AF_INET_, SOCK_STREAM_, 0);
    ASSERT_EQ(WSAAsyncSelect(
                  s, recorder.window, kSocketMessage, FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE),
        0);
    const sockaddr_in_ address = loopback(listener.port());
    const int status = connect_(s, &address, sizeof address);
    if (status == SOCKET_ERROR) {
        EXPECT_EQ(WSAGetLastError(), WSAEWOULDBLOCK)
            << "a connection completes later, not in the call";
    }
    EXPECT_EQ(recorder.waitFor(FD_CONNECT), 0);
    EXPECT_EQ(recorder.waitFor(FD_WRITE), 0);

    const int peer = listener.accept();
    ASSERT_GE(peer, 0);
    const std::string request = "GET / HTTP/1.0\r\n\r\n";
    EXPECT_EQ(send_(s, request.data(), static_cast<int>(request.size()), 0),
        static_cast<int>(request.size()));
    char received[64] {};
    EXPECT_EQ(::recv(peer, received, sizeof received, 0), static_cast<ssize_t>(request.size()));
    EXPECT_EQ(std::string(received), request);

    char buffer[8] {};
    EXPECT_EQ(recv_(s, buffer, sizeof buffer, 0), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEWOULDBLOCK) << "nothing to read yet";

    ASSERT_EQ(::send(peer, "HTTP/1.0 200", 12, 0), 12);
    EXPECT_EQ(recorder.waitFor(FD_READ), 0);
    std::string reply;
    int got = 0;
    while ((got = recv_(s, buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, static_cast<std::size_t>(got));
    EXPECT_EQ(reply, "HTTP/1.0 200");

    ::close(peer);
    EXPECT_EQ(recorder.waitFor(FD_CLOSE), 0) << "an orderly close carries no error";
    EXPECT_EQ(recv_(s, buffer, sizeof buffer, 0), 0);
    EXPECT_EQ(recorder.count(FD_CONNECT), 1);
    EXPECT_EQ(recorder.count(FD_CLOSE), 1) << "the close is told once";
    EXPECT_EQ(closesocket(s), 0);
}

TEST(SocketNotifications, ReportARefusedConnectionThroughTheConnectEvent)
{
    Started started;
    const WORD closedPort = Listener::closedPort();
    Recorder recorder;
    const SOCKET s = socket_(AF_INET_, SOCK_STREAM_, 0);
    ASSERT_EQ(
        WSAAsyncSelect(s, recorder.window, kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE), 0);
    const sockaddr_in_ address = loopback(closedPort);
    if (connect_(s, &address, sizeof address) == SOCKET_ERROR
        && WSAGetLastError() != WSAEWOULDBLOCK) {
        EXPECT_EQ(WSAGetLastError(), WSAECONNREFUSED)
            << "a refusal known at once is reported at once";
    } else {
        EXPECT_EQ(recorder.waitFor(FD_CONNECT), WSAECONNREFUSED);
    }
    EXPECT_EQ(closesocket(s), 0);
}

TEST(SocketNotifications, StopWhenTheSocketIsClosed)
{
    Started started;
    Listener listener;
    Recorder recorder;
    const SOCKET s = socket_(AF_INET_, SOCK_STREAM_, 0);
    ASSERT_EQ(
        WSAAsyncSelect(s, recorder.window, kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE), 0);
    const sockaddr_in_ address = loopback(listener.port());
    connect_(s, &address, sizeof address);
    ASSERT_EQ(recorder.waitFor(FD_CONNECT), 0);
    const int peer = listener.accept();
    ASSERT_EQ(closesocket(s), 0);
    ::send(peer, "late", 4, 0);
    ::close(peer);
    EXPECT_EQ(recorder.waitFor(FD_READ, 300), -1)
        << "no message for a handle the caller has given up";
}

TEST(SocketLibrary, IsReachableByItsStandardOrdinals)
{
    const HMODULE module = LoadLibraryA("WSOCK32.DLL");
    ASSERT_NE(module, HMODULE { 0 });
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(23))),
        reinterpret_cast<void*>(&socket_));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(101))),
        reinterpret_cast<void*>(&WSAAsyncSelect));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, "WSAStartup")),
        reinterpret_cast<void*>(&WSAStartup));
    FreeLibrary(module);
}

} // namespace
