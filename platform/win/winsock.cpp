// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsock.h"

#include "../windowservice.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace win {

namespace {

thread_local int lastError = 0;
int started = 0;

int fail(int error)
{
    lastError = error;
    return SOCKET_ERROR;
}

int fromErrno(int error)
{
    switch (error) {
    case EWOULDBLOCK:
    case EINPROGRESS:
        return WSAEWOULDBLOCK;
    case EALREADY:
        return WSAEALREADY;
    case EBADF:
    case ENOTSOCK:
        return WSAENOTSOCK;
    case ECONNREFUSED:
        return WSAECONNREFUSED;
    case ECONNRESET:
        return WSAECONNRESET;
    case ECONNABORTED:
        return WSAECONNABORTED;
    case ETIMEDOUT:
        return WSAETIMEDOUT;
    case ENETUNREACH:
        return WSAENETUNREACH;
    case EHOSTUNREACH:
        return WSAEHOSTUNREACH;
    case EHOSTDOWN:
        return WSAEHOSTDOWN;
    case ENETDOWN:
        return WSAENETDOWN;
    case ENETRESET:
        return WSAENETRESET;
    case EADDRINUSE:
        return WSAEADDRINUSE;
    case EADDRNOTAVAIL:
        return WSAEADDRNOTAVAIL;
    case ENOTCONN:
        return WSAENOTCONN;
    case EISCONN:
        return WSAEISCONN;
    case EPIPE:
        return WSAESHUTDOWN;
    case EACCES:
        return WSAEACCES;
    case EMFILE:
    case ENFILE:
        return WSAEMFILE;
    case ENOBUFS:
    case ENOMEM:
        return WSAENOBUFS;
    case EFAULT:
        return WSAEFAULT;
    case EINTR:
        return WSAEINTR;
    case EMSGSIZE:
        return WSAEMSGSIZE;
    default:
        return WSAEINVAL;
    }
}

// The readiness of one socket, turned into the notifications WSAAsyncSelect asked for. As with
// Windows Sockets, FD_READ comes again only after a recv and FD_WRITE only after a send would
// have blocked; FD_CONNECT once when a connect completes; FD_CLOSE once when the peer closed.
class Notifications : public QObject
{
public:
    Notifications(int fd, SOCKET socket, HWND window, UINT message, long events, bool connecting)
        : m_socket(socket)
        , m_window(window)
        , m_message(message)
        , m_events(events)
        , m_connecting(connecting)
        , m_read(fd, QSocketNotifier::Read)
        , m_write(fd, QSocketNotifier::Write)
        , m_fd(fd)
    {
        QObject::connect(&m_read, &QSocketNotifier::activated, this, [this] { readable(); });
        QObject::connect(&m_write, &QSocketNotifier::activated, this, [this] { writable(); });
        if (connecting) {
            connectStarted();
        } else {
            m_read.setEnabled((events & (FD_READ | FD_CLOSE)) != 0);
            m_write.setEnabled((events & FD_WRITE) != 0);
        }
    }

    void reenableRead()
    {
        m_read.setEnabled(!m_closed && !m_connecting && (m_events & (FD_READ | FD_CLOSE)));
    }
    void reenableWrite() { m_write.setEnabled(!m_connecting && (m_events & FD_WRITE)); }
    // The usual order is WSAAsyncSelect, then connect: the connect's completion is awaited here.
    void connectStarted()
    {
        m_connecting = true;
        m_read.setEnabled(false);
        m_write.setEnabled((m_events & (FD_CONNECT | FD_WRITE)) != 0);
    }

private:
    void post(long event, int error)
    {
        const HWND window = m_window;
        const UINT message = m_message;
        const SOCKET socket = m_socket;
        const std::intptr_t parameter = WSAMAKESELECTREPLY(event, error);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [=] { platform::sendMessage(window, message, socket, parameter); },
            Qt::QueuedConnection);
    }

    void writable()
    {
        m_write.setEnabled(false);
        if (m_connecting) {
            m_connecting = false;
            int error = 0;
            socklen_t length = sizeof error;
            getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length);
            if (m_events & FD_CONNECT)
                post(FD_CONNECT, error ? fromErrno(error) : 0);
            if (error)
                return;
            reenableRead();
        }
        if (m_events & FD_WRITE)
            post(FD_WRITE, 0);
    }

    void readable()
    {
        m_read.setEnabled(false);
        char probe = 0;
        const ssize_t got = ::recv(m_fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
        if (got > 0) {
            if (m_events & FD_READ)
                post(FD_READ, 0);
            return;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            reenableRead();
            return;
        }
        m_closed = true;
        if (m_events & FD_CLOSE)
            post(FD_CLOSE, got == 0 ? 0 : fromErrno(errno));
    }

    SOCKET m_socket;
    HWND m_window;
    UINT m_message;
    long m_events;
    bool m_connecting;
    bool m_closed = false;
    QSocketNotifier m_read;
    QSocketNotifier m_write;
    int m_fd;
};

struct Socket
{
    int fd = -1;
    bool connecting = false;
    std::unique_ptr<Notifications> notifications;
};

std::map<SOCKET, Socket>& sockets()
{
    static std::map<SOCKET, Socket> all;
    return all;
}

Socket* find(SOCKET s)
{
    auto& all = sockets();
    const auto found = all.find(s);
    return found == all.end() ? nullptr : &found->second;
}

// The socket behind a handle; null with the error set when the library is not started or the
// handle is unknown.
Socket* lookUp(SOCKET s)
{
    if (started == 0) {
        lastError = WSANOTINITIALISED;
        return nullptr;
    }
    Socket* socket = find(s);
    if (!socket)
        lastError = WSAENOTSOCK;
    return socket;
}

bool toSystem(const sockaddr_in_* name, int namelen, sockaddr_in& address)
{
    if (!name || namelen < static_cast<int>(sizeof(sockaddr_in_)))
        return false;
    address.sin_family = AF_INET;
    address.sin_port = name->sin_port;
    address.sin_addr.s_addr = name->sin_addr.s_addr;
    return true;
}

// The socket and the address of a call that takes one, in the system's form; null, with the
// error set, when either is bad.
Socket* lookUp(SOCKET s, const sockaddr_in_* name, int namelen, sockaddr_in& address)
{
    Socket* socket = lookUp(s);
    if (socket && !toSystem(name, namelen, address)) {
        fail(WSAEFAULT);
        return nullptr;
    }
    return socket;
}

bool translate(int level, int option, int& posixLevel, int& posixOption)
{
    if (level != SOL_SOCKET_)
        return false;
    posixLevel = SOL_SOCKET;
    switch (option) {
    case SO_KEEPALIVE_:
        posixOption = SO_KEEPALIVE;
        return true;
    case SO_LINGER_:
        posixOption = SO_LINGER;
        return true;
    case SO_OOBINLINE_:
        posixOption = SO_OOBINLINE;
        return true;
    case SO_SNDBUF_:
        posixOption = SO_SNDBUF;
        return true;
    case SO_RCVBUF_:
        posixOption = SO_RCVBUF;
        return true;
    case SO_ERROR_:
        posixOption = SO_ERROR;
        return true;
    default:
        return false;
    }
}

} // namespace

int WSAStartup(WORD wVersionRequested, WSADATA* data)
{
    if (!data)
        return WSAEFAULT;
    if ((wVersionRequested & 0xFF) < 1)
        return WSAVERNOTSUPPORTED;
    std::memset(data, 0, sizeof *data);
    // The version asked for, up to 2.2: a 1.1 caller gets 1.1.
    data->wVersion = std::min<WORD>(wVersionRequested, 0x0202);
    data->wHighVersion = 0x0202;
    std::strcpy(data->szDescription, "Vantrel sockets over the system's TCP/IP");
    std::strcpy(data->szSystemStatus, "Running");
    data->iMaxSockets = 32767;
    data->iMaxUdpDg = 65467;
    ++started;
    return 0;
}

int WSACleanup()
{
    if (started == 0)
        return fail(WSANOTINITIALISED);
    if (--started == 0) {
        for (auto& [handle, socket] : sockets()) {
            socket.notifications.reset();
            ::close(socket.fd);
        }
        sockets().clear();
    }
    return 0;
}

SOCKET socket_(int af, int type, int protocol)
{
    if (started == 0) {
        lastError = WSANOTINITIALISED;
        return INVALID_SOCKET;
    }
    if (af != AF_INET_ || type != SOCK_STREAM_) {
        lastError = af != AF_INET_ ? 10047 : 10044;
        return INVALID_SOCKET;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    if (fd < 0) {
        lastError = fromErrno(errno);
        return INVALID_SOCKET;
    }
    static SOCKET next = 0x100;
    const SOCKET handle = next++;
    sockets()[handle].fd = fd;
    return handle;
}

int bind_(SOCKET s, const sockaddr_in_* name, int namelen)
{
    sockaddr_in address {};
    Socket* socket = lookUp(s, name, namelen, address);
    if (!socket)
        return SOCKET_ERROR;
    return ::bind(socket->fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        ? 0
        : fail(fromErrno(errno));
}

int connect_(SOCKET s, const sockaddr_in_* name, int namelen)
{
    sockaddr_in address {};
    Socket* socket = lookUp(s, name, namelen, address);
    if (!socket)
        return SOCKET_ERROR;
    const bool connected
        = ::connect(socket->fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    const int error = connected ? 0 : errno;
    if (!connected && error != EINPROGRESS)
        return fail(fromErrno(error));
    // Completed or not, FD_CONNECT follows once the socket turns writable.
    socket->connecting = true;
    if (socket->notifications)
        socket->notifications->connectStarted();
    return connected ? 0 : fail(WSAEWOULDBLOCK);
}

int send_(SOCKET s, const char* buf, int len, int)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len > 0))
        return fail(WSAEFAULT);
    const ssize_t sent = ::send(socket->fd, buf, static_cast<std::size_t>(len), MSG_NOSIGNAL);
    if (sent >= 0)
        return static_cast<int>(sent);
    const int error = fromErrno(errno);
    if (error == WSAEWOULDBLOCK && socket->notifications)
        socket->notifications->reenableWrite();
    return fail(error);
}

int recv_(SOCKET s, char* buf, int len, int flags)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len > 0))
        return fail(WSAEFAULT);
    const ssize_t got
        = ::recv(socket->fd, buf, static_cast<std::size_t>(len), (flags & 2) ? MSG_PEEK : 0);
    const int error = errno;
    // Reading is what makes the next FD_READ come.
    if (socket->notifications)
        socket->notifications->reenableRead();
    return got >= 0 ? static_cast<int>(got) : fail(fromErrno(error));
}

int closesocket(SOCKET s)
{
    if (started == 0)
        return fail(WSANOTINITIALISED);
    auto& all = sockets();
    const auto found = all.find(s);
    if (found == all.end())
        return fail(WSAENOTSOCK);
    found->second.notifications.reset();
    ::close(found->second.fd);
    all.erase(found);
    return 0;
}

int setsockopt_(SOCKET s, int level, int optname, const char* optval, int optlen)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    int posixLevel = 0;
    int posixOption = 0;
    if (!translate(level, optname, posixLevel, posixOption) || !optval)
        return fail(10042);
    if (posixOption == SO_LINGER) {
        if (optlen < static_cast<int>(sizeof(linger_)))
            return fail(WSAEFAULT);
        linger_ value {};
        std::memcpy(&value, optval, sizeof value);
        const ::linger posix { value.l_onoff, value.l_linger };
        return ::setsockopt(socket->fd, posixLevel, posixOption, &posix, sizeof posix) == 0
            ? 0
            : fail(fromErrno(errno));
    }
    int value = 0;
    std::memcpy(&value, optval,
        std::min<std::size_t>(sizeof value, static_cast<std::size_t>(std::max(optlen, 0))));
    return ::setsockopt(socket->fd, posixLevel, posixOption, &value, sizeof value) == 0
        ? 0
        : fail(fromErrno(errno));
}

int getsockopt_(SOCKET s, int level, int optname, char* optval, int* optlen)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    int posixLevel = 0;
    int posixOption = 0;
    if (!translate(level, optname, posixLevel, posixOption) || !optval || !optlen)
        return fail(10042);
    if (posixOption == SO_LINGER) {
        ::linger posix {};
        socklen_t length = sizeof posix;
        if (*optlen < static_cast<int>(sizeof(linger_))
            || ::getsockopt(socket->fd, posixLevel, posixOption, &posix, &length) != 0)
            return fail(WSAEFAULT);
        const linger_ value { static_cast<WORD>(posix.l_onoff), static_cast<WORD>(posix.l_linger) };
        std::memcpy(optval, &value, sizeof value);
        *optlen = sizeof value;
        return 0;
    }
    int value = 0;
    socklen_t length = sizeof value;
    if (*optlen < static_cast<int>(sizeof value)
        || ::getsockopt(socket->fd, posixLevel, posixOption, &value, &length) != 0)
        return fail(WSAEFAULT);
    if (posixOption == SO_ERROR && value)
        value = fromErrno(value);
    std::memcpy(optval, &value, sizeof value);
    *optlen = sizeof value;
    return 0;
}

int getsockname_(SOCKET s, sockaddr_in_* name, int* namelen)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    if (!name || !namelen || *namelen < static_cast<int>(sizeof(sockaddr_in_)))
        return fail(WSAEFAULT);
    sockaddr_in address {};
    socklen_t length = sizeof address;
    if (::getsockname(socket->fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return fail(fromErrno(errno));
    *name = {};
    name->sin_family = AF_INET_;
    name->sin_port = address.sin_port;
    name->sin_addr.s_addr = address.sin_addr.s_addr;
    *namelen = sizeof(sockaddr_in_);
    return 0;
}

int gethostname_(char* name, int namelen)
{
    if (started == 0)
        return fail(WSANOTINITIALISED);
    if (!name || namelen <= 0)
        return fail(WSAEFAULT);
    return ::gethostname(name, static_cast<std::size_t>(namelen)) == 0 ? 0 : fail(WSAEFAULT);
}

DWORD inet_addr_(const char* cp)
{
    in_addr address {};
    if (!cp || inet_pton(AF_INET, cp, &address) != 1)
        return 0xFFFFFFFFu; // INADDR_NONE
    return address.s_addr;
}

char* inet_ntoa_(in_addr_ in)
{
    static thread_local char text[INET_ADDRSTRLEN];
    in_addr address {};
    address.s_addr = in.s_addr;
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

hostent_* gethostbyname_(const char* name)
{
    if (started == 0) {
        lastError = WSANOTINITIALISED;
        return nullptr;
    }
    // One result per thread, valid until the next call, as the platform's.
    struct Storage
    {
        hostent_ entry {};
        std::string name;
        in_addr_ address {};
        char* addresses[2] {};
        char* aliases[1] {};
    };
    static thread_local Storage storage;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* results = nullptr;
    const int status = name ? getaddrinfo(name, nullptr, &hints, &results) : EAI_NONAME;
    if (status != 0 || !results) {
        lastError = status == EAI_AGAIN ? WSATRY_AGAIN
            : status == EAI_FAIL        ? WSANO_RECOVERY
            : status == EAI_NODATA      ? WSANO_DATA
                                        : WSAHOST_NOT_FOUND;
        return nullptr;
    }
    storage.name = name;
    storage.address.s_addr = reinterpret_cast<sockaddr_in*>(results->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(results);
    storage.addresses[0] = reinterpret_cast<char*>(&storage.address);
    storage.addresses[1] = nullptr;
    storage.aliases[0] = nullptr;
    storage.entry = { storage.name.data(), storage.aliases, AF_INET_, 4, storage.addresses };
    return &storage.entry;
}

WORD htons_(WORD hostshort)
{
    return htons(hostshort);
}

WORD ntohs_(WORD netshort)
{
    return ntohs(netshort);
}

int WSAGetLastError()
{
    return lastError;
}

void WSASetLastError(int iError)
{
    lastError = iError;
}

int WSAAsyncSelect(SOCKET s, HWND hWnd, UINT wMsg, long lEvent)
{
    Socket* socket = lookUp(s);
    if (!socket)
        return SOCKET_ERROR;
    socket->notifications.reset();
    if (lEvent != 0)
        socket->notifications = std::make_unique<Notifications>(
            socket->fd, s, hWnd, wMsg, lEvent, socket->connecting);
    return 0;
}

BOOL WSAIsBlocking()
{
    return FALSE; // no call here ever blocks the thread in the platform's sense
}

int WSACancelBlockingCall()
{
    return fail(WSAEINVAL); // there is never a blocking call to cancel
}

} // namespace win
