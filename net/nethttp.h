// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "httpengine.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>

namespace net {

using THttpFirewallTypes = FirewallType;

// What the network components raise: "code: text".
class ENetError : public std::runtime_error
{
public:
    ENetError(int code, const QString& text);
    int Code;
};

class ENetHTTP : public ENetError
{
public:
    using ENetError::ENetError;
};

// What every network component shares: raising failures through one overridable factory.
class TNetCore : public QObject
{
public:
    using QObject::QObject;

protected:
    virtual std::exception_ptr MakeError(int code, const QString& text) const;
    [[noreturn]] void Raise(int code, const QString& text) const;
};

using TConnectedEvent
    = std::function<void(QObject* Sender, int StatusCode, const QString& Description)>;
using TDisconnectedEvent
    = std::function<void(QObject* Sender, int StatusCode, const QString& Description)>;
using TEndTransferEvent = std::function<void(QObject* Sender, int Direction)>;
using TErrorEvent = std::function<void(QObject* Sender, int ErrorCode, const QString& Description)>;
using THeaderEvent
    = std::function<void(QObject* Sender, const QString& Field, const QString& Value)>;
using TSetCookieEvent
    = std::function<void(QObject* Sender, const QString& Name, const QString& Value,
        const QString& Expires, const QString& Domain, const QString& Path, bool Secure)>;
using TStartTransferEvent = std::function<void(QObject* Sender, int Direction)>;
using TTransferEvent = std::function<void(
    QObject* Sender, int Direction, std::int64_t BytesTransferred, const QByteArray& Text)>;

// The HTTP/1.0 client component: a thin shell over one engine. Every member reads or writes the
// engine's numbered property or calls its method; a failure raises ENetHTTP.
class TNetHTTP : public TNetCore
{
public:
    // A test hands in a scripted peer; otherwise a real socket carries the requests.
    explicit TNetHTTP(QObject* owner = nullptr, const TransportSeams& seams = {});
    ~TNetHTTP() override;

    static const char* const kDefaultUserAgent;

    // Published.
    QString Accept() const { return text(HttpProperty::Accept); }
    void SetAccept(const QString& value) { setText(HttpProperty::Accept, value); }
    THttpActions Action() const { return static_cast<THttpActions>(number(HttpProperty::Action)); }
    void SetAction(THttpActions value) { setNumber(HttpProperty::Action, static_cast<int>(value)); }
    QByteArray FirewallData() const { return bytes(HttpProperty::FirewallData); }
    void SetFirewallData(const QByteArray& value) { setBytes(HttpProperty::FirewallData, value); }
    QString FirewallHost() const { return text(HttpProperty::FirewallHost); }
    void SetFirewallHost(const QString& value) { setText(HttpProperty::FirewallHost, value); }
    QString FirewallPassword() const { return text(HttpProperty::FirewallPassword); }
    void SetFirewallPassword(const QString& v) { setText(HttpProperty::FirewallPassword, v); }
    std::uint16_t FirewallPort() const { return port(HttpProperty::FirewallPort); }
    void SetFirewallPort(std::uint16_t value) { setNumber(HttpProperty::FirewallPort, value); }
    THttpFirewallTypes FirewallType() const;
    void SetFirewallType(THttpFirewallTypes value);
    QString FirewallUser() const { return text(HttpProperty::FirewallUser); }
    void SetFirewallUser(const QString& value) { setText(HttpProperty::FirewallUser, value); }
    THttpFollowRedirects FollowRedirects() const;
    void SetFollowRedirects(THttpFollowRedirects value);
    QString LocalFile() const { return text(HttpProperty::LocalFile); }
    void SetLocalFile(const QString& value) { setText(HttpProperty::LocalFile, value); }
    QString LocalHost() const { return text(HttpProperty::LocalHost); }
    void SetLocalHost(const QString& value) { setText(HttpProperty::LocalHost, value); }
    std::int32_t MaxTransferredData() const;
    void SetMaxTransferredData(std::int32_t value);
    QString Password() const { return text(HttpProperty::Password); }
    void SetPassword(const QString& value) { setText(HttpProperty::Password, value); }
    QString ProxyPassword() const { return text(HttpProperty::ProxyPassword); }
    void SetProxyPassword(const QString& value) { setText(HttpProperty::ProxyPassword, value); }
    std::uint16_t ProxyPort() const { return port(HttpProperty::ProxyPort); }
    void SetProxyPort(std::uint16_t value) { setNumber(HttpProperty::ProxyPort, value); }
    QString ProxyServer() const { return text(HttpProperty::ProxyServer); }
    void SetProxyServer(const QString& value) { setText(HttpProperty::ProxyServer, value); }
    QString ProxyUser() const { return text(HttpProperty::ProxyUser); }
    void SetProxyUser(const QString& value) { setText(HttpProperty::ProxyUser, value); }
    int Timeout() const { return static_cast<int>(number(HttpProperty::Timeout)); }
    void SetTimeout(int seconds) { setNumber(HttpProperty::Timeout, seconds); }
    QString URL() const { return text(HttpProperty::URL); }
    void SetURL(const QString& value) { setText(HttpProperty::URL, value); }
    QString User() const { return text(HttpProperty::User); }
    void SetUser(const QString& value) { setText(HttpProperty::User, value); }
    QString UserAgent() const { return text(HttpProperty::UserAgent); }
    void SetUserAgent(const QString& value) { setText(HttpProperty::UserAgent, value); }
    QString WinsockInfo() const { return text(HttpProperty::WinsockInfo); }
    bool WinsockLoaded() const { return number(HttpProperty::WinsockLoaded) != 0; }
    void SetWinsockLoaded(bool value) { setNumber(HttpProperty::WinsockLoaded, value); }
    QString WinsockStatus() const { return text(HttpProperty::WinsockStatus); }

    // Run-time.
    QString AttachedFile() const { return text(HttpProperty::AttachedFile); }
    void SetAttachedFile(const QString& value) { setText(HttpProperty::AttachedFile, value); }
    QString Authorization() const { return text(HttpProperty::Authorization); }
    void SetAuthorization(const QString& value) { setText(HttpProperty::Authorization, value); }
    bool Connected() const { return number(HttpProperty::Connected) != 0; }
    QString ContentType() const { return text(HttpProperty::ContentType); }
    void SetContentType(const QString& value) { setText(HttpProperty::ContentType, value); }
    int CookieCount() const { return static_cast<int>(number(HttpProperty::CookieCount)); }
    void SetCookieCount(int value) { setNumber(HttpProperty::CookieCount, value); }
    QString CookieName(int index) const { return text(HttpProperty::CookieName, index); }
    void SetCookieName(int i, const QString& v) { setText(HttpProperty::CookieName, v, i); }
    QString CookieValue(int index) const { return text(HttpProperty::CookieValue, index); }
    void SetCookieValue(int i, const QString& v) { setText(HttpProperty::CookieValue, v, i); }
    QString From() const { return text(HttpProperty::From); }
    void SetFrom(const QString& value) { setText(HttpProperty::From, value); }
    QString HTTPVersion() const { return text(HttpProperty::HTTPVersion); }
    void SetHTTPVersion(const QString& value) { setText(HttpProperty::HTTPVersion, value); }
    QString IfModifiedSince() const { return text(HttpProperty::IfModifiedSince); }
    void SetIfModifiedSince(const QString& v) { setText(HttpProperty::IfModifiedSince, v); }
    QString OtherHeaders() const { return text(HttpProperty::OtherHeaders); }
    void SetOtherHeaders(const QString& value) { setText(HttpProperty::OtherHeaders, value); }
    QByteArray PostData() const { return bytes(HttpProperty::PostData); }
    void SetPostData(const QByteArray& value) { setBytes(HttpProperty::PostData, value); }
    QString Pragma() const { return text(HttpProperty::Pragma); }
    void SetPragma(const QString& value) { setText(HttpProperty::Pragma, value); }
    QString ProxyAuthorization() const { return text(HttpProperty::ProxyAuthorization); }
    void SetProxyAuthorization(const QString& v) { setText(HttpProperty::ProxyAuthorization, v); }
    QString Referer() const { return text(HttpProperty::Referer); }
    void SetReferer(const QString& value) { setText(HttpProperty::Referer, value); }
    std::intptr_t SocketHandle() const { return number(HttpProperty::SocketHandle); }
    QString StatusLine() const { return text(HttpProperty::StatusLine); }
    // The body without a copy: valid until the next action starts.
    QByteArray TransferredData() const;
    QString TransferredHeaders() const { return text(HttpProperty::TransferredHeaders); }
    QString URLPath() const { return text(HttpProperty::URLPath); }
    void SetURLPath(const QString& value) { setText(HttpProperty::URLPath, value); }
    std::uint16_t URLPort() const { return port(HttpProperty::URLPort); }
    void SetURLPort(std::uint16_t value) { setNumber(HttpProperty::URLPort, value); }
    QString URLScheme() const { return text(HttpProperty::URLScheme); }
    void SetURLScheme(const QString& value) { setText(HttpProperty::URLScheme, value); }
    QString URLServer() const { return text(HttpProperty::URLServer); }
    void SetURLServer(const QString& value) { setText(HttpProperty::URLServer, value); }
    int WinsockMaxDatagramSize() const;
    int WinsockMaxSockets() const;
    QString WinsockPath() const { return text(HttpProperty::WinsockPath); }
    void SetWinsockPath(const QString& value) { setText(HttpProperty::WinsockPath, value); }

    // Methods.
    void AddCookie(const QString& Name, const QString& Value);
    void ProcessEvents();
    void Get(const QString& URL);
    void Head(const QString& URL);
    void Interrupt();
    void Post(const QString& URL);
    void Put(const QString& URL);
    void ResetHeaders();

    TConnectedEvent OnConnected;
    TDisconnectedEvent OnDisconnected;
    TEndTransferEvent OnEndTransfer;
    TErrorEvent OnError;
    THeaderEvent OnHeader;
    TSetCookieEvent OnSetCookie;
    TStartTransferEvent OnStartTransfer;
    TTransferEvent OnTransfer;

protected:
    std::exception_ptr MakeError(int code, const QString& text) const override;

private:
    QString text(HttpProperty number, int index = 0) const;
    QByteArray bytes(HttpProperty number) const;
    std::int64_t number(HttpProperty number) const;
    std::uint16_t port(HttpProperty number) const;
    void setText(HttpProperty number, const QString& value, int index = 0);
    void setBytes(HttpProperty number, const QByteArray& value);
    void setNumber(HttpProperty number, std::int64_t value);
    HttpValue read(HttpProperty number, int index) const;
    void checkWrite(int code);
    void checkCall(int code);
    void call(HttpMethod number, const QString& first = {}, const QString& second = {});
    void dispatch(const HttpEngine::Event& event);
    void writeDefaults();

    std::unique_ptr<HttpEngine> m_engine;
};

} // namespace net
