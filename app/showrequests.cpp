// SPDX-License-Identifier: GPL-3.0-or-later
#include "showrequests.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Few and brief: a second start writes its five bytes at once, and a peer that holds a
// connection open without them holds no room for long.
constexpr std::size_t kMaxPending = 4;
constexpr int kPendingMs = 2000;

std::optional<sockaddr_un> addressOf(const std::filesystem::path& file)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string path = file.string();
    if (path.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

std::string problem(const std::filesystem::path& file, const std::string& what)
{
    return file.string() + ": " + what;
}

} // namespace

struct ShowRequests::Pending
{
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QTimer* deadline = nullptr;
    std::string got;
};

std::optional<std::string> ShowRequests::listen(const std::filesystem::path& folder, int& listener)
{
    listener = -1;
    const std::filesystem::path file = folder / kSocketName;
    const auto address = addressOf(file);
    if (!address)
        return problem(file, "path too long for a socket");
    struct stat about
    {
    };
    if (::lstat(file.c_str(), &about) == 0) {
        if (!S_ISSOCK(about.st_mode))
            return problem(file, "in the way, and not a socket");
        ::unlink(file.c_str());
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return problem(file, std::strerror(errno));
    // The user's alone from the moment it exists.
    const mode_t mask = ::umask(0177);
    const bool bound
        = ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    const int bindError = errno;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        const std::string why = std::strerror(bound ? errno : bindError);
        ::close(fd);
        return problem(file, why);
    }
    listener = fd;
    return std::nullopt;
}

std::optional<std::string> ShowRequests::askToShow(const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / kSocketName;
    const auto address = addressOf(file);
    if (!address)
        return problem(file, "path too long for a socket");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return problem(file, std::strerror(errno));
    // Non-blocking: a running instance too busy to take the request does not hold this start.
    const bool sent
        = ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0
        && ::send(fd, kShow.data(), kShow.size(), MSG_NOSIGNAL)
            == static_cast<ssize_t>(kShow.size());
    const int error = errno;
    ::close(fd);
    if (!sent)
        return problem(file, std::strerror(error));
    return std::nullopt;
}

ShowRequests::ShowRequests(
    int listener, const std::filesystem::path& folder, std::function<void()> onShow)
    : m_listener(listener)
    , m_file(folder / kSocketName)
    , m_onShow(std::move(onShow))
{
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { accept(); });
}

ShowRequests::~ShowRequests()
{
    while (!m_pending.empty())
        drop(m_pending.front()->fd);
    delete m_notifier;
    ::close(m_listener);
    // Still this process's: the lock, held until the process ends, keeps any other from binding.
    ::unlink(m_file.c_str());
}

void ShowRequests::accept()
{
    const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        // Out of descriptors the request stays queued and the socket stays readable: listen again
        // in a second rather than spin.
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            m_notifier->setEnabled(false);
            QTimer::singleShot(
                1000, m_notifier, [notifier = m_notifier] { notifier->setEnabled(true); });
        }
        return;
    }
    ucred peer {};
    socklen_t size = sizeof peer;
    // The socket's mode already keeps other users out; the peer's own account is checked too, so
    // a socket whose mode was changed lets no one else in.
    if (m_pending.size() >= kMaxPending
        || ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0
        || peer.uid != ::geteuid()) {
        ::close(fd);
        return;
    }
    auto pending = std::make_unique<Pending>();
    pending->fd = fd;
    pending->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    QObject::connect(
        pending->notifier, &QSocketNotifier::activated, this, [this, fd] { read(fd); });
    pending->deadline = new QTimer(this);
    pending->deadline->setSingleShot(true);
    QObject::connect(pending->deadline, &QTimer::timeout, this, [this, fd] { drop(fd); });
    pending->deadline->start(kPendingMs);
    m_pending.push_back(std::move(pending));
}

void ShowRequests::read(int fd)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [fd](const std::unique_ptr<Pending>& pending) { return pending->fd == fd; });
    if (found == m_pending.end())
        return;
    Pending& pending = **found;
    char buffer[16];
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got > 0)
        pending.got.append(buffer, static_cast<std::size_t>(got));
    const bool ended = got <= 0;
    if (!ended && pending.got.size() < kShow.size())
        return;
    const bool show = pending.got == kShow;
    drop(fd);
    if (show && m_onShow)
        m_onShow();
}

void ShowRequests::drop(int fd)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [fd](const std::unique_ptr<Pending>& pending) { return pending->fd == fd; });
    if (found == m_pending.end())
        return;
    // Called from their own signals: they go once those have returned.
    (*found)->notifier->setEnabled(false);
    (*found)->notifier->deleteLater();
    (*found)->deadline->stop();
    (*found)->deadline->deleteLater();
    ::close(fd);
    m_pending.erase(found);
}
