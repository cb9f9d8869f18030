// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's numbered properties: reading, writing and what a write sets in motion.
#include "httpengine.h"
#include "httprequest.h"
#include "socketlibrary.h"

#include <limits>
#include <new>

namespace net {

namespace {

constexpr int kInvalidArgument = win::WSAEINVAL;

} // namespace

int HttpEngine::property(HttpProperty number, HttpValue& value, int index) const
{
    const auto number64 = [&](auto n) {
        value = static_cast<std::int64_t>(n);
        return 0;
    };
    switch (number) {
    case HttpProperty::Action:
        return number64(m_action);
    case HttpProperty::Connected:
        return number64(m_stream->isConnected());
    case HttpProperty::CookieCount:
        return number64(m_cookies.size());
    case HttpProperty::FirewallPort:
        return number64(m_stream->firewallPort());
    case HttpProperty::FirewallType:
        return number64(m_stream->firewallType());
    case HttpProperty::FollowRedirects:
        return number64(m_followRedirects);
    case HttpProperty::MaxTransferredData:
        return number64(m_maxTransferredData);
    case HttpProperty::ProxyPort:
        return number64(m_proxyPort);
    case HttpProperty::SocketHandle:
        return number64(m_stream->socketHandle());
    case HttpProperty::Timeout:
        return number64(m_wait.timeout());
    case HttpProperty::URLPort:
        return number64(m_target.port);
    case HttpProperty::WinsockLoaded:
        return number64(m_stream->winsockLoaded());
    case HttpProperty::WinsockMaxDatagramSize:
        return number64(SocketLibrary::instance().maxDatagramSize());
    case HttpProperty::WinsockMaxSockets:
        return number64(SocketLibrary::instance().maxSockets());
    default:
        std::string text;
        const int code = readText(number, text, index);
        if (code == 0)
            value = std::move(text);
        return code;
    }
}

int HttpEngine::readText(HttpProperty number, std::string& text, int index) const
{
    switch (number) {
    case HttpProperty::Accept:
        text = m_accept;
        return 0;
    case HttpProperty::AttachedFile:
        text = m_attachedFile;
        return 0;
    case HttpProperty::Authorization:
        text = m_authorization;
        return 0;
    case HttpProperty::ContentType:
        text = m_contentType;
        return 0;
    case HttpProperty::CookieName:
    case HttpProperty::CookieValue: {
        if (const int code = cookieIndex(index); code != 0)
            return code;
        const auto& cookie = m_cookies[static_cast<std::size_t>(index - 1)];
        text = number == HttpProperty::CookieName ? cookie.first : cookie.second;
        return 0;
    }
    case HttpProperty::FirewallData:
        text = m_firewallData;
        return 0;
    case HttpProperty::FirewallHost:
        text = m_stream->firewallHost();
        return 0;
    case HttpProperty::FirewallPassword:
        text = m_stream->firewall().password();
        return 0;
    case HttpProperty::FirewallUser:
        text = m_stream->firewall().user();
        return 0;
    case HttpProperty::From:
        text = m_from;
        return 0;
    case HttpProperty::HTTPVersion:
        text = m_httpVersion;
        return 0;
    case HttpProperty::IfModifiedSince:
        text = m_ifModifiedSince;
        return 0;
    case HttpProperty::LocalFile:
        text = m_localFile;
        return 0;
    case HttpProperty::LocalHost:
        text = m_stream->localHost();
        return 0;
    case HttpProperty::OtherHeaders:
        text = m_otherHeaders;
        return 0;
    case HttpProperty::Password:
        text = m_target.password;
        return 0;
    case HttpProperty::PostData:
        text = m_postData;
        return 0;
    case HttpProperty::Pragma:
        text = m_pragma;
        return 0;
    case HttpProperty::ProxyAuthorization:
        text = m_proxyAuthorization;
        return 0;
    case HttpProperty::ProxyPassword:
        text = m_proxyPassword;
        return 0;
    case HttpProperty::ProxyServer:
        text = m_proxyServer;
        return 0;
    case HttpProperty::ProxyUser:
        text = m_proxyUser;
        return 0;
    case HttpProperty::Referer:
        text = m_referer;
        return 0;
    case HttpProperty::StatusLine:
        text = m_statusLine;
        return 0;
    case HttpProperty::TransferredData:
        text = m_transferredData.view();
        return 0;
    case HttpProperty::TransferredHeaders:
        text = m_transferredHeaders.view();
        return 0;
    case HttpProperty::URL:
        text = m_target.url;
        return 0;
    case HttpProperty::URLPath:
        text = m_target.path;
        return 0;
    case HttpProperty::URLScheme:
        text = m_target.scheme;
        return 0;
    case HttpProperty::URLServer:
        text = m_target.server;
        return 0;
    case HttpProperty::User:
        text = m_target.user;
        return 0;
    case HttpProperty::UserAgent:
        text = m_userAgent;
        return 0;
    case HttpProperty::WinsockInfo:
        text = SocketLibrary::instance().info();
        return 0;
    case HttpProperty::WinsockPath:
        text = SocketLibrary::instance().path();
        return 0;
    case HttpProperty::WinsockStatus:
        text = SocketLibrary::instance().status();
        return 0;
    default:
        return fail(kInvalidArgument, "This property is not a text.");
    }
}

int HttpEngine::setProperty(HttpProperty number, const HttpValue& value, int index)
{
    m_message.clear();
    try {
        if (const auto* n = std::get_if<std::int64_t>(&value))
            return writeNumber(number, *n);
        return writeText(number, std::get<std::string>(value), index);
    } catch (const std::bad_alloc&) {
        return fail(200, "Out of memory.");
    }
}

int HttpEngine::writeText(HttpProperty number, const std::string& text, int index)
{
    switch (number) {
    case HttpProperty::Accept:
        m_accept = text;
        return 0;
    case HttpProperty::AttachedFile:
        m_attachedFile = text;
        return 0;
    case HttpProperty::Authorization:
        m_authorization = text;
        return 0;
    case HttpProperty::ContentType:
        m_contentType = text;
        return 0;
    case HttpProperty::CookieName:
    case HttpProperty::CookieValue: {
        if (const int code = cookieIndex(index); code != 0)
            return code;
        auto& cookie = m_cookies[static_cast<std::size_t>(index - 1)];
        (number == HttpProperty::CookieName ? cookie.first : cookie.second) = text;
        return 0;
    }
    case HttpProperty::FirewallData:
        m_firewallData = text;
        return 0;
    case HttpProperty::FirewallHost:
        return resolvingWrite([&] { return m_stream->setFirewallHost(text); });
    case HttpProperty::FirewallPassword:
        m_stream->firewall().setCredentials(m_stream->firewall().user(), text);
        return 0;
    case HttpProperty::FirewallUser:
        m_stream->firewall().setCredentials(text, m_stream->firewall().password());
        return 0;
    case HttpProperty::From:
        m_from = text;
        return 0;
    case HttpProperty::HTTPVersion:
        m_httpVersion = text;
        return 0;
    case HttpProperty::IfModifiedSince:
        m_ifModifiedSince = text;
        return 0;
    case HttpProperty::LocalFile:
        m_localFile = text;
        return 0;
    case HttpProperty::LocalHost:
        return resolvingWrite([&] { return m_stream->setLocalHost(text); });
    case HttpProperty::OtherHeaders:
        m_otherHeaders = text;
        return 0;
    case HttpProperty::Password:
        setCredentials(m_target.user, text);
        return 0;
    case HttpProperty::PostData:
        m_postData = text;
        return 0;
    case HttpProperty::Pragma:
        m_pragma = text;
        return 0;
    case HttpProperty::ProxyAuthorization:
        m_proxyAuthorization = text;
        return 0;
    case HttpProperty::ProxyPassword:
        setProxyCredentials(m_proxyUser, text);
        return 0;
    case HttpProperty::ProxyServer:
        m_proxyServer = text;
        return 0;
    case HttpProperty::ProxyUser:
        setProxyCredentials(text, m_proxyPassword);
        return 0;
    case HttpProperty::Referer:
        m_referer = text;
        return 0;
    case HttpProperty::URL:
        return writeUrl(text);
    case HttpProperty::URLPath:
        m_target.path = text;
        return 0;
    case HttpProperty::URLScheme:
        m_target.scheme = text;
        return 0;
    case HttpProperty::URLServer:
        m_target.server = text;
        return 0;
    case HttpProperty::User:
        setCredentials(text, m_target.password);
        return 0;
    case HttpProperty::UserAgent:
        m_userAgent = text;
        return 0;
    case HttpProperty::WinsockPath:
        SocketLibrary::instance().setPath(text);
        return 0;
    default:
        return fail(kInvalidArgument, "This property cannot be written as a text.");
    }
}

int HttpEngine::writeNumber(HttpProperty number, std::int64_t value)
{
    const auto inRange
        = [&](std::int64_t low, std::int64_t high) { return value >= low && value <= high; };
    const auto outOfRange = [&] {
        return fail(kInvalidArgument, "Value out of range: " + std::to_string(value) + ".");
    };
    constexpr std::int64_t kPortMax = std::numeric_limits<std::uint16_t>::max();
    switch (number) {
    case HttpProperty::Action:
        if (!inRange(0, static_cast<int>(THttpActions::httpPut)))
            return outOfRange();
        return perform(static_cast<THttpActions>(value));
    case HttpProperty::CookieCount:
        if (!inRange(0, std::numeric_limits<int>::max()))
            return outOfRange();
        m_cookies.resize(static_cast<std::size_t>(value));
        return 0;
    case HttpProperty::FirewallPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_stream->setFirewallPort(static_cast<std::uint16_t>(value));
        return 0;
    case HttpProperty::FirewallType: {
        if (!inRange(0, static_cast<int>(FirewallType::fwSOCKS5)))
            return outOfRange();
        const auto type = static_cast<FirewallType>(value);
        m_stream->setFirewallType(type);
        const bool socks = type == FirewallType::fwSOCKS4 || type == FirewallType::fwSOCKS5;
        m_stream->setFirewallPort(socks ? 1080 : 80);
        return 0;
    }
    case HttpProperty::FollowRedirects:
        if (!inRange(0, static_cast<int>(THttpFollowRedirects::frSameScheme)))
            return outOfRange();
        m_followRedirects = static_cast<THttpFollowRedirects>(value);
        return 0;
    case HttpProperty::MaxTransferredData:
        if (!inRange(0, std::numeric_limits<std::int32_t>::max()))
            return outOfRange();
        m_maxTransferredData = static_cast<std::uint32_t>(value);
        return 0;
    case HttpProperty::ProxyPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_proxyPort = static_cast<std::uint16_t>(value);
        return 0;
    case HttpProperty::Timeout:
        if (!inRange(0, std::numeric_limits<std::int32_t>::max()))
            return outOfRange();
        m_wait.setTimeout(static_cast<std::uint32_t>(value));
        return 0;
    case HttpProperty::URLPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_target.port = static_cast<std::uint16_t>(value);
        return 0;
    case HttpProperty::WinsockLoaded:
        m_stream->setWinsockLoaded(value != 0);
        return 0;
    default:
        return fail(kInvalidArgument, "This property cannot be written as a number.");
    }
}

int HttpEngine::writeUrl(std::string_view text)
{
    switch (applyUrl(m_target, text)) {
    case CredentialChange::Cleared:
        m_authorization.clear();
        break;
    case CredentialChange::Set:
        m_authorization = basicAuthorization(m_target.user, m_target.password);
        break;
    case CredentialChange::None:
        break;
    }
    return 0;
}

void HttpEngine::setCredentials(std::string user, std::string password)
{
    m_target.user = std::move(user);
    m_target.password = std::move(password);
    m_authorization = basicAuthorization(m_target.user, m_target.password);
}

void HttpEngine::setProxyCredentials(std::string user, std::string password)
{
    m_proxyUser = std::move(user);
    m_proxyPassword = std::move(password);
    m_proxyAuthorization = basicAuthorization(m_proxyUser, m_proxyPassword);
}

int HttpEngine::cookieIndex(int index) const
{
    if (index < 1 || static_cast<std::size_t>(index) > m_cookies.size())
        return fail(156, "Invalid cookie index (out of range).");
    return 0;
}

void HttpEngine::resetHeaders()
{
    for (std::string* text : { &m_target.url, &m_target.server, &m_postData, &m_contentType,
             &m_target.user, &m_target.password, &m_authorization, &m_proxyUser, &m_proxyPassword,
             &m_proxyAuthorization, &m_accept, &m_from, &m_ifModifiedSince, &m_referer, &m_pragma,
             &m_otherHeaders, &m_statusLine, &m_attachedFile, &m_localFile })
        text->clear();
    m_cookies.clear();
    m_target.path.clear();
    m_target.scheme = "http";
    m_target.port = 80;
}

} // namespace net
