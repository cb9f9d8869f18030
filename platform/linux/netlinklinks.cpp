// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlinklinks.h"

#include "../logging.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <linux/if_addr.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// Larger than any message the kernel sends on these sockets (a report's batch is at most 32 KiB).
constexpr std::size_t kBufferSize = 64 * 1024;
constexpr int kReportAttempts = 3;
constexpr unsigned kLowerUp = 1U << 16; // IFF_LOWER_UP: carrier

constexpr std::size_t aligned(std::size_t size)
{
    return (size + 3) & ~std::size_t { 3 };
}

template<typename Body>
Body* bodyOf(nlmsghdr& message)
{
    return reinterpret_cast<Body*>(reinterpret_cast<char*>(&message) + aligned(sizeof(nlmsghdr)));
}

// Calls `take` with each whole message of a datagram until it answers false.
template<typename Take>
void forEachMessage(std::vector<char>& buffer, std::size_t size, Take take)
{
    for (std::size_t at = 0; size - at >= sizeof(nlmsghdr);) {
        auto* message = reinterpret_cast<nlmsghdr*>(buffer.data() + at);
        if (message->nlmsg_len < sizeof(nlmsghdr) || message->nlmsg_len > size - at
            || !take(*message))
            return;
        at += std::min(aligned(message->nlmsg_len), size - at);
    }
}

// Calls `take(type, data, size)` with each attribute that follows a message's `Body`.
template<typename Body, typename Take>
void forEachAttribute(nlmsghdr& message, Take take)
{
    const std::size_t start = aligned(sizeof(nlmsghdr)) + aligned(sizeof(Body));
    if (message.nlmsg_len < start)
        return;
    const char* data = reinterpret_cast<const char*>(&message) + start;
    const std::size_t size = message.nlmsg_len - start;
    for (std::size_t at = 0; size - at >= sizeof(rtattr);) {
        const auto* attribute = reinterpret_cast<const rtattr*>(data + at);
        if (attribute->rta_len < sizeof(rtattr) || attribute->rta_len > size - at)
            return;
        const std::size_t header = aligned(sizeof(rtattr));
        take(attribute->rta_type, data + at + header,
            attribute->rta_len - std::min<std::size_t>(header, attribute->rta_len));
        at += std::min(aligned(attribute->rta_len), size - at);
    }
}

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

std::string addressText(int family, const char* data, std::size_t size)
{
    if (size < (family == AF_INET ? 4U : 16U))
        return {};
    char text[INET6_ADDRSTRLEN] {};
    return inet_ntop(family, data, text, sizeof text) ? text : std::string();
}

// One datagram from the kernel into `buffer`; its size, 0 when there is nothing to read, or -1
// with errno set. Datagrams another process sent are skipped; one cut short is lost news, told
// as EMSGSIZE.
ssize_t receive(int socket, std::vector<char>& buffer, int flags)
{
    for (;;) {
        sockaddr_nl sender {};
        iovec part { buffer.data(), buffer.size() };
        msghdr message {};
        message.msg_name = &sender;
        message.msg_namelen = sizeof sender;
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        const ssize_t got = recvmsg(socket, &message, flags);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return 0;
        if (got < 0)
            return -1;
        if (sender.nl_pid != 0)
            continue;
        if (message.msg_flags & MSG_TRUNC) {
            errno = EMSGSIZE;
            return -1;
        }
        return got;
    }
}

} // namespace

NetlinkLinks::NetlinkLinks(int receiveBuffer)
    : m_buffer(kBufferSize)
{
    m_events = socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (m_events < 0) {
        m_problem = systemError("cannot open a netlink socket");
    } else {
        if (receiveBuffer > 0)
            setsockopt(m_events, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_nl groups {};
        groups.nl_family = AF_NETLINK;
        groups.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR;
        if (bind(m_events, reinterpret_cast<sockaddr*>(&groups), sizeof groups) != 0) {
            m_problem = systemError("cannot listen to the kernel's link events");
            ::close(std::exchange(m_events, -1));
        }
    }
    if (m_events < 0) {
        qCWarning(lcPlatform).noquote()
            << "No links can be seen:" << QString::fromStdString(m_problem);
        return;
    }
    if (QCoreApplication::instance()) {
        m_notifier = std::make_unique<QSocketNotifier>(m_events, QSocketNotifier::Read);
        QObject::connect(
            m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { update(); });
    }
    update();
}

NetlinkLinks::~NetlinkLinks()
{
    m_notifier.reset();
    if (m_events >= 0)
        ::close(m_events);
}

void NetlinkLinks::update()
{
    if (m_events < 0)
        return;
    // Events that come during a report are read after it, so nothing between is lost.
    for (int round = 0; round < kReportAttempts; ++round) {
        if (m_reportDue && !readFullReport())
            return;
        readEvents();
        if (!m_reportDue)
            return;
    }
}

void NetlinkLinks::readEvents()
{
    for (;;) {
        const ssize_t got = receive(m_events, m_buffer, MSG_DONTWAIT);
        if (got < 0 && (errno == ENOBUFS || errno == EMSGSIZE)) {
            // Events were lost: what the kernel still sends is read, then the whole table.
            if (!m_reportDue)
                qCInfo(lcPlatform) << "Link events came faster than read; reading all links again";
            m_reportDue = true;
            continue;
        }
        if (got <= 0)
            return;
        forEachMessage(m_buffer, static_cast<std::size_t>(got), [this](nlmsghdr& message) {
            take(message);
            return true;
        });
    }
}

bool NetlinkLinks::readFullReport()
{
    const int socket = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (socket < 0) {
        qCWarning(lcPlatform).noquote()
            << QString::fromStdString(systemError("cannot ask the kernel for its links"));
        return false;
    }
    // The kernel answers at once; the limit guards against a wait that never ends.
    timeval limit { 2, 0 };
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    bool complete = false;
    for (int attempt = 0; attempt < kReportAttempts && !complete; ++attempt) {
        complete = true;
        std::set<int> reported;
        for (const int kind : { RTM_GETLINK, RTM_GETADDR }) {
            struct
            {
                nlmsghdr header;
                ifinfomsg body; // the larger of the two requests' bodies, zero: every family
            } request {};
            request.header.nlmsg_len = static_cast<std::uint32_t>(aligned(sizeof(nlmsghdr))
                + (kind == RTM_GETLINK ? sizeof(ifinfomsg) : sizeof(ifaddrmsg)));
            request.header.nlmsg_type = static_cast<std::uint16_t>(kind);
            request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
            request.header.nlmsg_seq = ++m_sequence;
            sockaddr_nl kernel {};
            kernel.nl_family = AF_NETLINK;
            if (sendto(socket, &request, request.header.nlmsg_len, 0,
                    reinterpret_cast<sockaddr*>(&kernel), sizeof kernel)
                < 0) {
                complete = false;
                break;
            }
            if (kind == RTM_GETADDR)
                clearAddresses();
            bool done = false;
            while (!done && complete) {
                const ssize_t got = receive(socket, m_buffer, 0);
                if (got <= 0) {
                    complete = false;
                    break;
                }
                forEachMessage(m_buffer, static_cast<std::size_t>(got), [&](nlmsghdr& message) {
                    if (message.nlmsg_seq != m_sequence)
                        return true;
                    // Links changed while they were reported: the report may miss some.
                    if (message.nlmsg_flags & NLM_F_DUMP_INTR)
                        complete = false;
                    if (message.nlmsg_type == RTM_NEWLINK
                        && message.nlmsg_len >= aligned(sizeof(nlmsghdr)) + sizeof(ifinfomsg))
                        reported.insert(bodyOf<ifinfomsg>(message)->ifi_index);
                    if (take(message))
                        return true;
                    done = true;
                    complete = complete && message.nlmsg_type == NLMSG_DONE;
                    return false;
                });
            }
            if (!complete)
                break;
            if (kind == RTM_GETLINK) {
                std::vector<int> gone;
                for (const auto& [index, link] : links()) {
                    if (!reported.contains(index))
                        gone.push_back(index);
                }
                for (const int index : gone)
                    removeLink(index);
            }
        }
    }
    ::close(socket);
    if (!complete) {
        qCWarning(lcPlatform) << "The kernel's report of its links was incomplete; asking again"
                                 " at the next tick";
        return false;
    }
    ++m_fullReports;
    m_reportDue = false;
    return true;
}

bool NetlinkLinks::take(nlmsghdr& message)
{
    switch (message.nlmsg_type) {
    case NLMSG_DONE:
    case NLMSG_ERROR:
        return false;
    case RTM_NEWLINK:
    case RTM_DELLINK: {
        if (message.nlmsg_len < aligned(sizeof(nlmsghdr)) + sizeof(ifinfomsg))
            return true;
        const auto* info = bodyOf<ifinfomsg>(message);
        // A bridge's news of its ports (a port leaving is a DELLINK) is not the link's own.
        if (info->ifi_family == AF_BRIDGE)
            return true;
        if (message.nlmsg_type == RTM_DELLINK) {
            removeLink(info->ifi_index);
            return true;
        }
        std::string name;
        int carrier = -1;
        forEachAttribute<ifinfomsg>(
            message, [&](unsigned type, const char* data, std::size_t size) {
                if (type == IFLA_IFNAME)
                    name.assign(data, strnlen(data, size));
                else if (type == IFLA_CARRIER && size >= 1)
                    carrier = static_cast<unsigned char>(data[0]);
            });
        if (name.empty()) {
            const KernelLink* known = nullptr;
            if (const auto found = links().find(info->ifi_index); found != links().end())
                known = &found->second;
            if (!known)
                return true;
            name = known->name;
        }
        setLink(info->ifi_index, std::move(name), info->ifi_flags, info->ifi_type,
            carrier >= 0 ? carrier != 0 : (info->ifi_flags & kLowerUp) != 0);
        return true;
    }
    case RTM_NEWADDR:
    case RTM_DELADDR: {
        if (message.nlmsg_len < aligned(sizeof(nlmsghdr)) + sizeof(ifaddrmsg))
            return true;
        const auto* info = bodyOf<ifaddrmsg>(message);
        if (info->ifa_family != AF_INET && info->ifa_family != AF_INET6)
            return true;
        std::string address;
        std::string local;
        forEachAttribute<ifaddrmsg>(
            message, [&](unsigned type, const char* data, std::size_t size) {
                if (type == IFA_ADDRESS)
                    address = addressText(info->ifa_family, data, size);
                else if (type == IFA_LOCAL)
                    local = addressText(info->ifa_family, data, size);
            });
        // IFA_LOCAL is ours where the link has a far end, given in IFA_ADDRESS; otherwise the two
        // are the same or IFA_ADDRESS comes alone.
        InterfaceAddress entry { info->ifa_family, local.empty() ? address : local,
            !local.empty() && address != local ? address : std::string() };
        if (entry.local.empty())
            return true;
        const int index = static_cast<int>(info->ifa_index);
        if (message.nlmsg_type == RTM_NEWADDR)
            addAddress(index, std::move(entry));
        else
            removeAddress(index, entry);
        return true;
    }
    default:
        return true;
    }
}

} // namespace platform
