// SPDX-License-Identifier: GPL-3.0-or-later
#include "nethttp.h"

#include "socketerrors.h"

#include <new>

namespace net {

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ENetError::ENetError(int code, const QString& text)
    : std::runtime_error(QStringLiteral("%1: %2").arg(code).arg(text).toStdString())
    , Code(code)
{
}

std::exception_ptr TNetCore::MakeError(int code, const QString& text) const
{
    return std::make_exception_ptr(ENetError(code, text));
}

void TNetCore::Raise(int code, const QString& text) const
{
    std::rethrow_exception(MakeError(code, text));
}

const char* const TNetHTTP::kDefaultUserAgent = "Vantrel TNetHTTP/1.0 (Orvik Software)";

TNetHTTP::TNetHTTP(QObject* owner, const TransportSeams& seams)
    : TNetCore(owner)
{
    try {
        m_engine = std::make_unique<HttpEngine>(
            [this](const HttpEngine::Event& event) { dispatch(event); }, seams);
    } catch (const std::bad_alloc&) {
        Raise(-1, QStringLiteral("TNetHTTP (Orvik Software) could not create its HTTP engine."));
    }
    writeDefaults();
}

TNetHTTP::~TNetHTTP() = default;

std::exception_ptr TNetHTTP::MakeError(int code, const QString& text) const
{
    return std::make_exception_ptr(ENetHTTP(code, text));
}

void TNetHTTP::writeDefaults()
{
    // As a new component is set up; a value the engine refuses leaves the property as it is.
    const std::pair<HttpProperty, HttpValue> defaults[] = {
        { P::Accept, std::string {} },
        { P::FirewallData, std::string {} },
        { P::FirewallHost, std::string {} },
        { P::FirewallPassword, std::string {} },
        { P::FirewallPort, std::int64_t { 80 } },
        { P::FirewallType, std::int64_t { static_cast<int>(THttpFirewallTypes::fwNone) } },
        { P::FirewallUser, std::string {} },
        { P::FollowRedirects, std::int64_t { static_cast<int>(THttpFollowRedirects::frNever) } },
        { P::LocalFile, std::string {} },
        { P::MaxTransferredData, std::int64_t { HttpEngine::kDefaultMaxTransferredData } },
        { P::Password, std::string {} },
        { P::ProxyPassword, std::string {} },
        { P::ProxyPort, std::int64_t { 80 } },
        { P::ProxyServer, std::string {} },
        { P::ProxyUser, std::string {} },
        { P::Timeout, std::int64_t { 0 } },
        { P::URL, std::string {} },
        { P::User, std::string {} },
        { P::UserAgent, std::string { kDefaultUserAgent } },
        { P::WinsockLoaded, std::int64_t { 1 } },
    };
    for (const auto& [number, value] : defaults)
        m_engine->setProperty(number, value);
}

HttpValue TNetHTTP::read(HttpProperty number, int index) const
{
    HttpValue value;
    if (const int code = m_engine->property(number, value, index); code != 0)
        Raise(code, fromUtf8(m_engine->message()));
    return value;
}

void TNetHTTP::write(HttpProperty number, const HttpValue& value, int index)
{
    const int code = m_engine->setProperty(number, value, index);
    if (code == 0)
        return;
    if (!m_engine->message().empty())
        Raise(code, fromUtf8(m_engine->message()));
    if (code == 200)
        Raise(code, QStringLiteral("Out of memory."));
    if (code == 301)
        Raise(code, QStringLiteral("Interrupted."));
    Raise(code, fromUtf8(describeSocketError(code)));
}

void TNetHTTP::call(HttpMethod number, const QString& first, const QString& second)
{
    if (const int code = m_engine->call(number, utf8(first), utf8(second)); code != 0)
        Raise(code, fromUtf8(m_engine->message()));
}

QByteArray TNetHTTP::TransferredData() const
{
    const std::string_view data = m_engine->transferredData();
    return QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
}

void TNetHTTP::dispatch(const HttpEngine::Event& event)
{
    const auto fire = [this](const auto& handler, const auto&... arguments) {
        if (handler)
            handler(this, arguments...);
    };
    const SetCookie& c = event.cookie;
    switch (event.kind) {
    case HttpEvent::Connected:
        return fire(OnConnected, event.code, fromUtf8(event.text));
    case HttpEvent::Disconnected:
        return fire(OnDisconnected, event.code, fromUtf8(event.text));
    case HttpEvent::EndTransfer:
        return fire(OnEndTransfer, event.direction);
    case HttpEvent::Error:
        return fire(OnError, event.code, fromUtf8(event.text));
    case HttpEvent::Header:
        return fire(OnHeader, fromUtf8(event.field), fromUtf8(event.value));
    case HttpEvent::SetCookie:
        return fire(OnSetCookie, fromUtf8(c.name), fromUtf8(c.value), fromUtf8(c.expires),
            fromUtf8(c.domain), fromUtf8(c.path), c.secure);
    case HttpEvent::StartTransfer:
        return fire(OnStartTransfer, event.direction);
    case HttpEvent::Transfer:
        return fire(OnTransfer, event.direction, event.bytesTransferred,
            QByteArray::fromRawData(event.data.data(), static_cast<qsizetype>(event.data.size())));
    }
}

} // namespace net
