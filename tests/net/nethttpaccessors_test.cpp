// SPDX-License-Identifier: GPL-3.0-or-later
// The component's accessors, one row each: every property of the engine's table has its accessor,
// a writable one gives back what was written, and a write lands in its own property only.
#include "net/nethttp.h"
#include "net/socketlibrary.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedpeer.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using net::HttpProperty;
using net::TNetHTTP;
using P = HttpProperty;

template<typename T>
std::string shown(const T& value)
{
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>)
        return value.toStdString();
    else
        return std::to_string(static_cast<std::int64_t>(value));
}

struct Accessor
{
    std::string name;
    HttpProperty number;
    std::function<std::string(const TNetHTTP&)> read; // null for none
    std::function<void(TNetHTTP&)> writeSample; // null when read-only
    std::string sample; // how the sample reads back
    std::vector<std::string> moves; // what else the write changes by design
};

// Cookies are read and written at index 1.
constexpr int kIndex = 1;

template<typename T, typename Arg>
Accessor pair(std::string name, HttpProperty number, T (TNetHTTP::*get)() const,
    void (TNetHTTP::*set)(Arg), T sample, std::vector<std::string> moves = {})
{
    return { std::move(name), number, [get](const TNetHTTP& http) { return shown((http.*get)()); },
        [set, sample](TNetHTTP& http) { (http.*set)(sample); }, shown(sample), std::move(moves) };
}

Accessor cookiePair(std::string name, HttpProperty number, QString (TNetHTTP::*get)(int) const,
    void (TNetHTTP::*set)(int, const QString&))
{
    const QString sample = QString::fromStdString("probe-" + name);
    return { std::move(name), number,
        [get](const TNetHTTP& http) { return shown((http.*get)(kIndex)); },
        [set, sample](TNetHTTP& http) { (http.*set)(kIndex, sample); }, shown(sample), {} };
}

template<typename T>
Accessor readOnly(std::string name, HttpProperty number, T (TNetHTTP::*get)() const)
{
    return { std::move(name), number, [get](const TNetHTTP& http) { return shown((http.*get)()); },
        {}, {}, {} };
}

QString probe(const char* name)
{
    return QStringLiteral("probe-") + QLatin1String(name);
}

using T = TNetHTTP;
const std::vector<Accessor>& accessors()
{
    static const std::vector<Accessor> rows {
        pair("Accept", P::Accept, &T::Accept, &T::SetAccept, probe("Accept")),
        pair("Action", P::Action, &T::Action, &T::SetAction, net::THttpActions::httpGet),
        pair("AttachedFile", P::AttachedFile, &T::AttachedFile, &T::SetAttachedFile,
            probe("AttachedFile")),
        pair("Authorization", P::Authorization, &T::Authorization, &T::SetAuthorization,
            probe("Authorization")),
        readOnly("Connected", P::Connected, &T::Connected),
        pair("ContentType", P::ContentType, &T::ContentType, &T::SetContentType,
            probe("ContentType")),
        pair("CookieCount", P::CookieCount, &T::CookieCount, &T::SetCookieCount, 3),
        cookiePair("CookieName", P::CookieName, &T::CookieName, &T::SetCookieName),
        cookiePair("CookieValue", P::CookieValue, &T::CookieValue, &T::SetCookieValue),
        pair("FirewallData", P::FirewallData, &T::FirewallData, &T::SetFirewallData,
            QByteArray("\x01probe\xff", 7)),
        // Looked up when written and read back as the address, so the sample is an address.
        pair("FirewallHost", P::FirewallHost, &T::FirewallHost, &T::SetFirewallHost,
            QStringLiteral("192.0.2.11")),
        pair("FirewallPassword", P::FirewallPassword, &T::FirewallPassword, &T::SetFirewallPassword,
            probe("FirewallPassword")),
        pair("FirewallPort", P::FirewallPort, &T::FirewallPort, &T::SetFirewallPort,
            std::uint16_t { 1081 }),
        pair("FirewallType", P::FirewallType, &T::FirewallType, &T::SetFirewallType,
            net::THttpFirewallTypes::fwSOCKS5, { "FirewallPort" }),
        pair("FirewallUser", P::FirewallUser, &T::FirewallUser, &T::SetFirewallUser,
            probe("FirewallUser")),
        pair("FollowRedirects", P::FollowRedirects, &T::FollowRedirects, &T::SetFollowRedirects,
            net::THttpFollowRedirects::frAlways),
        pair("From", P::From, &T::From, &T::SetFrom, probe("From")),
        pair("HTTPVersion", P::HTTPVersion, &T::HTTPVersion, &T::SetHTTPVersion,
            QStringLiteral("HTTP/1.1")),
        pair("IfModifiedSince", P::IfModifiedSince, &T::IfModifiedSince, &T::SetIfModifiedSince,
            probe("IfModifiedSince")),
        pair("LocalFile", P::LocalFile, &T::LocalFile, &T::SetLocalFile, probe("LocalFile")),
        pair("LocalHost", P::LocalHost, &T::LocalHost, &T::SetLocalHost,
            QStringLiteral("192.0.2.22")),
        pair("MaxTransferredData", P::MaxTransferredData, &T::MaxTransferredData,
            &T::SetMaxTransferredData, std::int32_t { 1000 }),
        pair("OtherHeaders", P::OtherHeaders, &T::OtherHeaders, &T::SetOtherHeaders,
            probe("OtherHeaders")),
        pair("Password", P::Password, &T::Password, &T::SetPassword, probe("Password"),
            { "Authorization" }),
        pair("PostData", P::PostData, &T::PostData, &T::SetPostData, QByteArray("a=1&b=\0", 7)),
        pair("Pragma", P::Pragma, &T::Pragma, &T::SetPragma, probe("Pragma")),
        pair("ProxyAuthorization", P::ProxyAuthorization, &T::ProxyAuthorization,
            &T::SetProxyAuthorization, probe("ProxyAuthorization")),
        pair("ProxyPassword", P::ProxyPassword, &T::ProxyPassword, &T::SetProxyPassword,
            probe("ProxyPassword"), { "ProxyAuthorization" }),
        pair("ProxyPort", P::ProxyPort, &T::ProxyPort, &T::SetProxyPort, std::uint16_t { 3128 }),
        pair("ProxyServer", P::ProxyServer, &T::ProxyServer, &T::SetProxyServer,
            probe("ProxyServer")),
        pair("ProxyUser", P::ProxyUser, &T::ProxyUser, &T::SetProxyUser, probe("ProxyUser"),
            { "ProxyAuthorization" }),
        pair("Referer", P::Referer, &T::Referer, &T::SetReferer, probe("Referer")),
        readOnly("SocketHandle", P::SocketHandle, &T::SocketHandle),
        readOnly("StatusLine", P::StatusLine, &T::StatusLine),
        pair("Timeout", P::Timeout, &T::Timeout, &T::SetTimeout, 9),
        readOnly("TransferredData", P::TransferredData, &T::TransferredData),
        readOnly("TransferredHeaders", P::TransferredHeaders, &T::TransferredHeaders),
        pair("URL", P::URL, &T::URL, &T::SetURL, QStringLiteral("http://probe.test:81/x"),
            { "URLPath", "URLPort", "URLServer" }),
        pair("URLPath", P::URLPath, &T::URLPath, &T::SetURLPath, QStringLiteral("/probe")),
        pair("URLPort", P::URLPort, &T::URLPort, &T::SetURLPort, std::uint16_t { 81 }),
        pair("URLScheme", P::URLScheme, &T::URLScheme, &T::SetURLScheme, QStringLiteral("ftp")),
        pair("URLServer", P::URLServer, &T::URLServer, &T::SetURLServer,
            QStringLiteral("probe.test")),
        pair("User", P::User, &T::User, &T::SetUser, probe("User"), { "Authorization" }),
        pair("UserAgent", P::UserAgent, &T::UserAgent, &T::SetUserAgent, probe("UserAgent")),
        readOnly("WinsockInfo", P::WinsockInfo, &T::WinsockInfo),
        // Giving back the library changes what it tells and the machine's name it looked up.
        pair("WinsockLoaded", P::WinsockLoaded, &T::WinsockLoaded, &T::SetWinsockLoaded, false,
            { "LocalHost", "WinsockInfo", "WinsockMaxDatagramSize", "WinsockMaxSockets",
                "WinsockStatus" }),
        readOnly("WinsockMaxDatagramSize", P::WinsockMaxDatagramSize, &T::WinsockMaxDatagramSize),
        readOnly("WinsockMaxSockets", P::WinsockMaxSockets, &T::WinsockMaxSockets),
        pair("WinsockPath", P::WinsockPath, &T::WinsockPath, &T::SetWinsockPath,
            probe("WinsockPath")),
        readOnly("WinsockStatus", P::WinsockStatus, &T::WinsockStatus),
    };
    return rows;
}

class NetHttpAccessorsTest : public testing::Test
{
protected:
    std::unique_ptr<TNetHTTP> component()
    {
        auto http = std::make_unique<TNetHTTP>(
            nullptr, testing_support::scriptedPeer(runtime.source(), script, log));
        http->SetCookieCount(1);
        return http;
    }

    // Every accessor's reading, by name.
    static std::map<std::string, std::string> readings(const TNetHTTP& http)
    {
        std::map<std::string, std::string> all;
        for (const Accessor& row : accessors())
            all[row.name] = row.read(http);
        return all;
    }

    testing_support::ScratchRuntime runtime;
    testing_support::PeerScript script;
    testing_support::PeerLog log;
};

TEST_F(NetHttpAccessorsTest, CoverEveryPropertyOfTheEngineAsItsTableSaysItIsWritten)
{
    const auto table = net::HttpEngine::properties();
    ASSERT_EQ(accessors().size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Accessor& row = accessors()[i];
        EXPECT_EQ(row.number, table[i].number) << row.name;
        EXPECT_EQ(row.writeSample != nullptr, table[i].write != nullptr) << row.name;
    }
}

// Guards against an accessor that reads or writes another property than its name says.
TEST_F(NetHttpAccessorsTest, GiveBackWhatWasWrittenAndTouchNothingElse)
{
    for (const Accessor& row : accessors()) {
        // Writing Action performs a request; the component's tests cover that.
        if (!row.writeSample || row.number == P::Action)
            continue;
        const auto http = component();
        const auto before = readings(*http);
        ASSERT_NE(before.at(row.name), row.sample) << row.name << ": the sample must be news";
        row.writeSample(*http);
        auto after = readings(*http);
        EXPECT_EQ(after.at(row.name), row.sample) << row.name;
        after[row.name] = before.at(row.name);
        for (const std::string& moved : row.moves)
            after[moved] = before.at(moved);
        EXPECT_EQ(after, before) << "writing " << row.name << " changed another property";
        // The library's path outlives the component: the next one must find the library.
        net::SocketLibrary::instance().setPath({});
    }
}

} // namespace
