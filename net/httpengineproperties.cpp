// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's numbered properties: reading, writing and what a write sets in motion.
#include "httpengine.h"
#include "httprequest.h"
#include "socketlibrary.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string_view>

namespace net {

namespace {

constexpr int kInvalidArgument = win::WSAEINVAL;
constexpr std::int64_t kPortMax = std::numeric_limits<std::uint16_t>::max();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// A text property kept as it is written.
template<std::string HttpEngine::*field>
int readField(const HttpEngine& engine, HttpValue& value, int)
{
    value = engine.*field;
    return 0;
}
template<std::string HttpEngine::*field>
int writeField(HttpEngine& engine, const HttpValue& value, int)
{
    engine.*field = std::get<std::string>(value);
    return 0;
}

const std::string& text(const HttpValue& value)
{
    return std::get<std::string>(value);
}

std::int64_t number(const HttpValue& value)
{
    return std::get<std::int64_t>(value);
}

int number64(HttpValue& value, auto n)
{
    value = static_cast<std::int64_t>(n);
    return 0;
}

int textValue(HttpValue& value, std::string_view text)
{
    value = std::string(text);
    return 0;
}

using Cookie = std::pair<std::string, std::string>;

} // namespace

struct HttpEngine::PropertyAccess
{
    // FirewallHost and LocalHost: the transport's, looked up when written.
    template<std::string (SocketTransport::*get)() const>
    static int readHost(const HttpEngine& engine, HttpValue& value, int)
    {
        return textValue(value, ((*engine.m_transport).*get)());
    }
    template<int (SocketTransport::*set)(const std::string&)>
    static int writeHost(HttpEngine& engine, const HttpValue& value, int)
    {
        return engine.resolvingWrite([&] { return ((*engine.m_transport).*set)(text(value)); });
    }

    // URLPath, URLScheme, URLServer: one part of the target, kept as written.
    template<std::string HttpTarget::*part>
    static int readTarget(const HttpEngine& engine, HttpValue& value, int)
    {
        return textValue(value, engine.m_target.*part);
    }
    template<std::string HttpTarget::*part>
    static int writeTarget(HttpEngine& engine, const HttpValue& value, int)
    {
        engine.m_target.*part = text(value);
        return 0;
    }

    // CookieName and CookieValue: one part of the cookie at an index counted from 1.
    template<std::string Cookie::*part>
    static int readCookie(const HttpEngine& engine, HttpValue& value, int index)
    {
        const int code = engine.cookieIndex(index);
        return code != 0
            ? code
            : textValue(value, engine.m_cookies[static_cast<std::size_t>(index - 1)].*part);
    }
    template<std::string Cookie::*part>
    static int writeCookie(HttpEngine& engine, const HttpValue& value, int index)
    {
        const int code = engine.cookieIndex(index);
        if (code == 0)
            engine.m_cookies[static_cast<std::size_t>(index - 1)].*part = text(value);
        return code;
    }
};

std::span<const HttpEngine::PropertyEntry> HttpEngine::properties()
{
    using E = HttpEngine;
    using P = HttpProperty;
    using V = HttpValue;
    constexpr auto Text = PropertyKind::Text;
    constexpr auto Number = PropertyKind::Number;
    static const PropertyEntry table[] = {
        { P::Accept, Text, readField<&E::m_accept>, writeField<&E::m_accept> },
        { P::Action, Number, [](const E& e, V& v, int) { return number64(v, e.m_action); },
            [](E& e, const V& v, int) { return e.perform(static_cast<THttpActions>(number(v))); },
            0, static_cast<int>(THttpActions::httpPut) },
        { P::AttachedFile, Text, readField<&E::m_attachedFile>, writeField<&E::m_attachedFile> },
        { P::Authorization, Text, readField<&E::m_authorization>, writeField<&E::m_authorization> },
        { P::Connected, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_transport->isConnected()); } },
        { P::ContentType, Text, readField<&E::m_contentType>, writeField<&E::m_contentType> },
        { P::CookieCount, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_cookies.size()); },
            [](E& e, const V& v, int) {
                e.m_cookies.resize(static_cast<std::size_t>(number(v)));
                return 0;
            },
            0, std::numeric_limits<int>::max() },
        { P::CookieName, Text, PropertyAccess::readCookie<&Cookie::first>,
            PropertyAccess::writeCookie<&Cookie::first> },
        { P::CookieValue, Text, PropertyAccess::readCookie<&Cookie::second>,
            PropertyAccess::writeCookie<&Cookie::second> },
        { P::FirewallData, Text, readField<&E::m_firewallData>, writeField<&E::m_firewallData> },
        { P::FirewallHost, Text, PropertyAccess::readHost<&SocketTransport::firewallHost>,
            PropertyAccess::writeHost<&SocketTransport::setFirewallHost> },
        { P::FirewallPassword, Text,
            [](const E& e, V& v, int) {
                return textValue(v, e.m_transport->firewall().password());
            },
            [](E& e, const V& v, int) {
                auto& firewall = e.m_transport->firewall();
                firewall.setCredentials(firewall.user(), text(v));
                return 0;
            } },
        { P::FirewallPort, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_transport->firewallPort()); },
            [](E& e, const V& v, int) {
                e.m_transport->setFirewallPort(static_cast<std::uint16_t>(number(v)));
                return 0;
            },
            0, kPortMax },
        { P::FirewallType, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_transport->firewallType()); },
            [](E& e, const V& v, int) {
                const auto type = static_cast<THttpFirewallTypes>(number(v));
                e.m_transport->setFirewallType(type);
                const bool socks
                    = type == THttpFirewallTypes::fwSOCKS4 || type == THttpFirewallTypes::fwSOCKS5;
                e.m_transport->setFirewallPort(socks ? 1080 : 80);
                return 0;
            },
            0, static_cast<int>(THttpFirewallTypes::fwSOCKS5) },
        { P::FirewallUser, Text,
            [](const E& e, V& v, int) { return textValue(v, e.m_transport->firewall().user()); },
            [](E& e, const V& v, int) {
                auto& firewall = e.m_transport->firewall();
                firewall.setCredentials(text(v), firewall.password());
                return 0;
            } },
        { P::FollowRedirects, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_followRedirects); },
            [](E& e, const V& v, int) {
                e.m_followRedirects = static_cast<THttpFollowRedirects>(number(v));
                return 0;
            },
            0, static_cast<int>(THttpFollowRedirects::frSameScheme) },
        { P::From, Text, readField<&E::m_from>, writeField<&E::m_from> },
        { P::HTTPVersion, Text, readField<&E::m_httpVersion>, writeField<&E::m_httpVersion> },
        { P::IfModifiedSince, Text, readField<&E::m_ifModifiedSince>,
            writeField<&E::m_ifModifiedSince> },
        { P::LocalFile, Text, readField<&E::m_localFile>, writeField<&E::m_localFile> },
        { P::LocalHost, Text, PropertyAccess::readHost<&SocketTransport::localHost>,
            PropertyAccess::writeHost<&SocketTransport::setLocalHost> },
        { P::MaxTransferredData, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_maxTransferredData); },
            [](E& e, const V& v, int) {
                e.m_maxTransferredData = static_cast<std::uint32_t>(number(v));
                return 0;
            },
            0, kInt32Max },
        { P::OtherHeaders, Text, readField<&E::m_otherHeaders>, writeField<&E::m_otherHeaders> },
        { P::Password, Text,
            [](const E& e, V& v, int) { return textValue(v, e.m_target.password); },
            [](E& e, const V& v, int) {
                e.setCredentials(e.m_target.user, text(v));
                return 0;
            } },
        { P::PostData, Text, readField<&E::m_postData>, writeField<&E::m_postData> },
        { P::Pragma, Text, readField<&E::m_pragma>, writeField<&E::m_pragma> },
        { P::ProxyAuthorization, Text, readField<&E::m_proxyAuthorization>,
            writeField<&E::m_proxyAuthorization> },
        { P::ProxyPassword, Text, readField<&E::m_proxyPassword>,
            [](E& e, const V& v, int) {
                e.setProxyCredentials(e.m_proxyUser, text(v));
                return 0;
            } },
        { P::ProxyPort, Number, [](const E& e, V& v, int) { return number64(v, e.m_proxyPort); },
            [](E& e, const V& v, int) {
                e.m_proxyPort = static_cast<std::uint16_t>(number(v));
                return 0;
            },
            0, kPortMax },
        { P::ProxyServer, Text, readField<&E::m_proxyServer>, writeField<&E::m_proxyServer> },
        { P::ProxyUser, Text, readField<&E::m_proxyUser>,
            [](E& e, const V& v, int) {
                e.setProxyCredentials(text(v), e.m_proxyPassword);
                return 0;
            } },
        { P::Referer, Text, readField<&E::m_referer>, writeField<&E::m_referer> },
        { P::SocketHandle, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_transport->socketHandle()); } },
        { P::StatusLine, Text, readField<&E::m_statusLine> },
        { P::Timeout, Number, [](const E& e, V& v, int) { return number64(v, e.m_wait.timeout()); },
            [](E& e, const V& v, int) {
                e.m_wait.setTimeout(static_cast<std::uint32_t>(number(v)));
                return 0;
            },
            0, kInt32Max },
        { P::TransferredData, Text,
            [](const E& e, V& v, int) { return textValue(v, e.m_transferredData.view()); } },
        { P::TransferredHeaders, Text,
            [](const E& e, V& v, int) { return textValue(v, e.m_transferredHeaders.view()); } },
        { P::URL, Text, [](const E& e, V& v, int) { return textValue(v, e.m_target.url); },
            [](E& e, const V& v, int) { return e.writeUrl(text(v)); } },
        { P::URLPath, Text, PropertyAccess::readTarget<&HttpTarget::path>,
            PropertyAccess::writeTarget<&HttpTarget::path> },
        { P::URLPort, Number, [](const E& e, V& v, int) { return number64(v, e.m_target.port); },
            [](E& e, const V& v, int) {
                e.m_target.port = static_cast<std::uint16_t>(number(v));
                return 0;
            },
            0, kPortMax },
        { P::URLScheme, Text, PropertyAccess::readTarget<&HttpTarget::scheme>,
            PropertyAccess::writeTarget<&HttpTarget::scheme> },
        { P::URLServer, Text, PropertyAccess::readTarget<&HttpTarget::server>,
            PropertyAccess::writeTarget<&HttpTarget::server> },
        { P::User, Text, [](const E& e, V& v, int) { return textValue(v, e.m_target.user); },
            [](E& e, const V& v, int) {
                e.setCredentials(text(v), e.m_target.password);
                return 0;
            } },
        { P::UserAgent, Text, readField<&E::m_userAgent>, writeField<&E::m_userAgent> },
        { P::WinsockInfo, Text,
            [](const E&, V& v, int) { return textValue(v, SocketLibrary::instance().info()); } },
        { P::WinsockLoaded, Number,
            [](const E& e, V& v, int) { return number64(v, e.m_transport->winsockLoaded()); },
            [](E& e, const V& v, int) {
                e.m_transport->setWinsockLoaded(number(v) != 0);
                return 0;
            },
            std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max() },
        { P::WinsockMaxDatagramSize, Number,
            [](const E&, V& v, int) {
                return number64(v, SocketLibrary::instance().maxDatagramSize());
            } },
        { P::WinsockMaxSockets, Number,
            [](const E&, V& v, int) {
                return number64(v, SocketLibrary::instance().maxSockets());
            } },
        { P::WinsockPath, Text,
            [](const E&, V& v, int) { return textValue(v, SocketLibrary::instance().path()); },
            [](E&, const V& v, int) {
                SocketLibrary::instance().setPath(text(v));
                return 0;
            } },
        { P::WinsockStatus, Text,
            [](const E&, V& v, int) { return textValue(v, SocketLibrary::instance().status()); } },
    };
    return table;
}

const HttpEngine::PropertyEntry* HttpEngine::findProperty(HttpProperty number)
{
    const auto table = properties();
    const auto at = std::lower_bound(table.begin(), table.end(), number,
        [](const PropertyEntry& entry, HttpProperty wanted) { return entry.number < wanted; });
    return at != table.end() && at->number == number ? &*at : nullptr;
}

int HttpEngine::property(HttpProperty number, HttpValue& value, int index) const
{
    const PropertyEntry* entry = findProperty(number);
    if (!entry)
        return fail(kInvalidArgument, "This property is not a text.");
    return entry->read(*this, value, index);
}

int HttpEngine::setProperty(HttpProperty number, const HttpValue& value, int index)
{
    m_message.clear();
    try {
        const auto* asNumber = std::get_if<std::int64_t>(&value);
        const PropertyEntry* entry = findProperty(number);
        const auto kind = asNumber ? PropertyKind::Number : PropertyKind::Text;
        if (!entry || entry->kind != kind || !entry->write)
            return fail(kInvalidArgument,
                asNumber ? "This property cannot be written as a number."
                         : "This property cannot be written as a text.");
        if (asNumber && (*asNumber < entry->low || *asNumber > entry->high))
            return fail(kInvalidArgument, "Value out of range: " + std::to_string(*asNumber) + ".");
        return entry->write(*this, value, index);
    } catch (const std::bad_alloc&) {
        return fail(200, "Out of memory.");
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
