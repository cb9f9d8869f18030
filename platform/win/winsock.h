// SPDX-License-Identifier: GPL-3.0-or-later
// Windows Sockets 1.1 (WSOCK32.DLL), addressed by its standard ordinals, over the system's
// non-blocking sockets. WSAAsyncSelect readiness notifications are posted to message windows and
// delivered on the thread that runs the Qt event loop.
#pragma once

#include "types.h"

#include <cstdint>

namespace win {

using SOCKET = DWORD;
constexpr SOCKET INVALID_SOCKET = 0xFFFFFFFFu;
constexpr int SOCKET_ERROR = -1;

constexpr int AF_INET_ = 2;
constexpr int SOCK_STREAM_ = 1;
constexpr int SOL_SOCKET_ = 0xFFFF;
constexpr int SO_KEEPALIVE_ = 0x0008;
constexpr int SO_LINGER_ = 0x0080;
constexpr int SO_OOBINLINE_ = 0x0100;
constexpr int SO_SNDBUF_ = 0x1001;
constexpr int SO_RCVBUF_ = 0x1002;
constexpr int SO_ERROR_ = 0x1007;

constexpr long FD_READ = 0x01;
constexpr long FD_WRITE = 0x02;
constexpr long FD_CONNECT = 0x10;
constexpr long FD_CLOSE = 0x20;

constexpr int WSAEINTR = 10004;
constexpr int WSAEBADF = 10009;
constexpr int WSAEACCES = 10013;
constexpr int WSAEFAULT = 10014;
constexpr int WSAEINVAL = 10022;
constexpr int WSAEMFILE = 10024;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAEINPROGRESS = 10036;
constexpr int WSAEALREADY = 10037;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEMSGSIZE = 10040;
constexpr int WSAEADDRINUSE = 10048;
constexpr int WSAEADDRNOTAVAIL = 10049;
constexpr int WSAENETDOWN = 10050;
constexpr int WSAENETUNREACH = 10051;
constexpr int WSAENETRESET = 10052;
constexpr int WSAECONNABORTED = 10053;
constexpr int WSAECONNRESET = 10054;
constexpr int WSAENOBUFS = 10055;
constexpr int WSAEISCONN = 10056;
constexpr int WSAENOTCONN = 10057;
constexpr int WSAESHUTDOWN = 10058;
constexpr int WSAETIMEDOUT = 10060;
constexpr int WSAECONNREFUSED = 10061;
constexpr int WSAEHOSTDOWN = 10064;
constexpr int WSAEHOSTUNREACH = 10065;
constexpr int WSASYSNOTREADY = 10091;
constexpr int WSAVERNOTSUPPORTED = 10092;
constexpr int WSANOTINITIALISED = 10093;
constexpr int WSAHOST_NOT_FOUND = 11001;
constexpr int WSATRY_AGAIN = 11002;
constexpr int WSANO_RECOVERY = 11003;
constexpr int WSANO_DATA = 11004;

struct in_addr_
{
    DWORD s_addr; // network byte order
};

struct sockaddr_in_
{
    std::int16_t sin_family;
    WORD sin_port; // network byte order
    in_addr_ sin_addr;
    CHAR sin_zero[8];
};
static_assert(sizeof(sockaddr_in_) == 16);

struct linger_
{
    WORD l_onoff;
    WORD l_linger;
};

struct hostent_
{
    CHAR* h_name;
    CHAR** h_aliases;
    std::int16_t h_addrtype;
    std::int16_t h_length;
    CHAR** h_addr_list;
};

struct WSADATA
{
    WORD wVersion;
    WORD wHighVersion;
    CHAR szDescription[257];
    CHAR szSystemStatus[129];
    WORD iMaxSockets;
    WORD iMaxUdpDg;
    DWORD lpVendorInfo; // 32-bit layout; never used
};

int WSAStartup(WORD wVersionRequested, WSADATA* lpWSAData);
int WSACleanup();
SOCKET socket_(int af, int type, int protocol);
int bind_(SOCKET s, const sockaddr_in_* name, int namelen);
int connect_(SOCKET s, const sockaddr_in_* name, int namelen);
int send_(SOCKET s, const char* buf, int len, int flags);
int recv_(SOCKET s, char* buf, int len, int flags);
int closesocket(SOCKET s);
int setsockopt_(SOCKET s, int level, int optname, const char* optval, int optlen);
int getsockopt_(SOCKET s, int level, int optname, char* optval, int* optlen);
int getsockname_(SOCKET s, sockaddr_in_* name, int* namelen);
int gethostname_(char* name, int namelen);
DWORD inet_addr_(const char* cp);
char* inet_ntoa_(in_addr_ in);
hostent_* gethostbyname_(const char* name);
WORD htons_(WORD hostshort);
WORD ntohs_(WORD netshort);
int WSAGetLastError();
void WSASetLastError(int iError);
// Readiness of `s` (FD_READ, FD_WRITE, FD_CONNECT, FD_CLOSE) is posted to hWnd as wMsg with the
// socket as wParam and MAKELONG(event, error) as lParam. lEvent 0 cancels.
int WSAAsyncSelect(SOCKET s, HWND hWnd, UINT wMsg, long lEvent);
// The platform's WSAMAKESELECTREPLY, WSAGETSELECTEVENT and WSAGETSELECTERROR.
constexpr std::intptr_t WSAMAKESELECTREPLY(long event, int error)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(error & 0xFFFF) << 16)
        | static_cast<std::uint32_t>(event & 0xFFFF));
}
constexpr long WSAGETSELECTEVENT(std::intptr_t lParam)
{
    return static_cast<long>(lParam & 0xFFFF);
}
constexpr int WSAGETSELECTERROR(std::intptr_t lParam)
{
    return static_cast<int>((lParam >> 16) & 0xFFFF);
}
BOOL WSAIsBlocking();
int WSACancelBlockingCall();

} // namespace win
