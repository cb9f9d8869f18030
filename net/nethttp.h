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
#include <string>
#include <type_traits>

namespace net {

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
    using P = HttpProperty;

public:
    // A test hands in a scripted peer; otherwise a real socket carries the requests.
    explicit TNetHTTP(QObject* owner = nullptr, const TransportSeams& seams = {});
    ~TNetHTTP() override;

    static const char* const kDefaultUserAgent;

    // Published.
    QString Accept() const { return get<QString>(P::Accept); }
    void SetAccept(const QString& value) { set(P::Accept, value); }
    THttpActions Action() const { return get<THttpActions>(P::Action); }
    void SetAction(THttpActions value) { set(P::Action, value); }
    QByteArray FirewallData() const { return get<QByteArray>(P::FirewallData); }
    void SetFirewallData(const QByteArray& value) { set(P::FirewallData, value); }
    QString FirewallHost() const { return get<QString>(P::FirewallHost); }
    void SetFirewallHost(const QString& value) { set(P::FirewallHost, value); }
    QString FirewallPassword() const { return get<QString>(P::FirewallPassword); }
    void SetFirewallPassword(const QString& value) { set(P::FirewallPassword, value); }
    std::uint16_t FirewallPort() const { return get<std::uint16_t>(P::FirewallPort); }
    void SetFirewallPort(std::uint16_t value) { set(P::FirewallPort, value); }
    THttpFirewallTypes FirewallType() const { return get<THttpFirewallTypes>(P::FirewallType); }
    void SetFirewallType(THttpFirewallTypes value) { set(P::FirewallType, value); }
    QString FirewallUser() const { return get<QString>(P::FirewallUser); }
    void SetFirewallUser(const QString& value) { set(P::FirewallUser, value); }
    THttpFollowRedirects FollowRedirects() const
    {
        return get<THttpFollowRedirects>(P::FollowRedirects);
    }
    void SetFollowRedirects(THttpFollowRedirects value) { set(P::FollowRedirects, value); }
    QString LocalFile() const { return get<QString>(P::LocalFile); }
    void SetLocalFile(const QString& value) { set(P::LocalFile, value); }
    QString LocalHost() const { return get<QString>(P::LocalHost); }
    void SetLocalHost(const QString& value) { set(P::LocalHost, value); }
    std::int32_t MaxTransferredData() const { return get<std::int32_t>(P::MaxTransferredData); }
    void SetMaxTransferredData(std::int32_t value) { set(P::MaxTransferredData, value); }
    QString Password() const { return get<QString>(P::Password); }
    void SetPassword(const QString& value) { set(P::Password, value); }
    QString ProxyPassword() const { return get<QString>(P::ProxyPassword); }
    void SetProxyPassword(const QString& value) { set(P::ProxyPassword, value); }
    std::uint16_t ProxyPort() const { return get<std::uint16_t>(P::ProxyPort); }
    void SetProxyPort(std::uint16_t value) { set(P::ProxyPort, value); }
    QString ProxyServer() const { return get<QString>(P::ProxyServer); }
    void SetProxyServer(const QString& value) { set(P::ProxyServer, value); }
    QString ProxyUser() const { return get<QString>(P::ProxyUser); }
    void SetProxyUser(const QString& value) { set(P::ProxyUser, value); }
    int Timeout() const { return get<int>(P::Timeout); }
    void SetTimeout(int seconds) { set(P::Timeout, seconds); }
    QString URL() const { return get<QString>(P::URL); }
    void SetURL(const QString& value) { set(P::URL, value); }
    QString User() const { return get<QString>(P::User); }
    void SetUser(const QString& value) { set(P::User, value); }
    QString UserAgent() const { return get<QString>(P::UserAgent); }
    void SetUserAgent(const QString& value) { set(P::UserAgent, value); }
    QString WinsockInfo() const { return get<QString>(P::WinsockInfo); }
    bool WinsockLoaded() const { return get<bool>(P::WinsockLoaded); }
    void SetWinsockLoaded(bool value) { set(P::WinsockLoaded, value); }
    QString WinsockStatus() const { return get<QString>(P::WinsockStatus); }

    // Run-time.
    QString AttachedFile() const { return get<QString>(P::AttachedFile); }
    void SetAttachedFile(const QString& value) { set(P::AttachedFile, value); }
    QString Authorization() const { return get<QString>(P::Authorization); }
    void SetAuthorization(const QString& value) { set(P::Authorization, value); }
    bool Connected() const { return get<bool>(P::Connected); }
    QString ContentType() const { return get<QString>(P::ContentType); }
    void SetContentType(const QString& value) { set(P::ContentType, value); }
    int CookieCount() const { return get<int>(P::CookieCount); }
    void SetCookieCount(int value) { set(P::CookieCount, value); }
    QString CookieName(int index) const { return get<QString>(P::CookieName, index); }
    void SetCookieName(int index, const QString& value) { set(P::CookieName, value, index); }
    QString CookieValue(int index) const { return get<QString>(P::CookieValue, index); }
    void SetCookieValue(int index, const QString& value) { set(P::CookieValue, value, index); }
    QString From() const { return get<QString>(P::From); }
    void SetFrom(const QString& value) { set(P::From, value); }
    QString HTTPVersion() const { return get<QString>(P::HTTPVersion); }
    void SetHTTPVersion(const QString& value) { set(P::HTTPVersion, value); }
    QString IfModifiedSince() const { return get<QString>(P::IfModifiedSince); }
    void SetIfModifiedSince(const QString& value) { set(P::IfModifiedSince, value); }
    QString OtherHeaders() const { return get<QString>(P::OtherHeaders); }
    void SetOtherHeaders(const QString& value) { set(P::OtherHeaders, value); }
    QByteArray PostData() const { return get<QByteArray>(P::PostData); }
    void SetPostData(const QByteArray& value) { set(P::PostData, value); }
    QString Pragma() const { return get<QString>(P::Pragma); }
    void SetPragma(const QString& value) { set(P::Pragma, value); }
    QString ProxyAuthorization() const { return get<QString>(P::ProxyAuthorization); }
    void SetProxyAuthorization(const QString& value) { set(P::ProxyAuthorization, value); }
    QString Referer() const { return get<QString>(P::Referer); }
    void SetReferer(const QString& value) { set(P::Referer, value); }
    std::intptr_t SocketHandle() const { return get<std::intptr_t>(P::SocketHandle); }
    QString StatusLine() const { return get<QString>(P::StatusLine); }
    // The body without a copy: valid until the next action starts.
    QByteArray TransferredData() const;
    QString TransferredHeaders() const { return get<QString>(P::TransferredHeaders); }
    QString URLPath() const { return get<QString>(P::URLPath); }
    void SetURLPath(const QString& value) { set(P::URLPath, value); }
    std::uint16_t URLPort() const { return get<std::uint16_t>(P::URLPort); }
    void SetURLPort(std::uint16_t value) { set(P::URLPort, value); }
    QString URLScheme() const { return get<QString>(P::URLScheme); }
    void SetURLScheme(const QString& value) { set(P::URLScheme, value); }
    QString URLServer() const { return get<QString>(P::URLServer); }
    void SetURLServer(const QString& value) { set(P::URLServer, value); }
    int WinsockMaxDatagramSize() const { return get<int>(P::WinsockMaxDatagramSize); }
    int WinsockMaxSockets() const { return get<int>(P::WinsockMaxSockets); }
    QString WinsockPath() const { return get<QString>(P::WinsockPath); }
    void SetWinsockPath(const QString& value) { set(P::WinsockPath, value); }

    // Methods.
    void AddCookie(const QString& Name, const QString& Value)
    {
        call(HttpMethod::AddCookie, Name, Value);
    }
    void ProcessEvents() { call(HttpMethod::ProcessEvents); }
    void Get(const QString& URL) { call(HttpMethod::Get, URL); }
    void Head(const QString& URL) { call(HttpMethod::Head, URL); }
    void Interrupt() { call(HttpMethod::Interrupt); }
    void Post(const QString& URL) { call(HttpMethod::Post, URL); }
    void Put(const QString& URL) { call(HttpMethod::Put, URL); }
    void ResetHeaders() { call(HttpMethod::ResetHeaders); }

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
    // Every accessor goes through this pair, which converts by the accessor's type: texts as
    // QString (UTF-8), bytes as QByteArray, numbers, Booleans and enumerations as themselves.
    template<typename T>
    T get(HttpProperty number, int index = 0) const;
    template<typename T>
    void set(HttpProperty number, const T& value, int index = 0);
    HttpValue read(HttpProperty number, int index) const;
    void write(HttpProperty number, const HttpValue& value, int index);
    void call(HttpMethod number, const QString& first = {}, const QString& second = {});
    void dispatch(const HttpEngine::Event& event);
    void writeDefaults();

    std::unique_ptr<HttpEngine> m_engine;
};

template<typename T>
T TNetHTTP::get(HttpProperty number, int index) const
{
    const HttpValue value = read(number, index);
    if constexpr (std::is_same_v<T, QString>)
        return QString::fromStdString(std::get<std::string>(value));
    else if constexpr (std::is_same_v<T, QByteArray>)
        return QByteArray::fromStdString(std::get<std::string>(value));
    else
        return static_cast<T>(std::get<std::int64_t>(value));
}

template<typename T>
void TNetHTTP::set(HttpProperty number, const T& value, int index)
{
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>)
        write(number, value.toStdString(), index);
    else
        write(number, static_cast<std::int64_t>(value), index);
}

} // namespace net
