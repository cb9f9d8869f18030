// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-fetch: fetches one URL with the monitor's own HTTP component and prints every event as
// it is raised, so a user can see why a page does not load.
#include "net/nethttp.h"
#include "platform/runtime.h"
#include "tools/help/commandline.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

// The options' descriptions start at this column.
constexpr std::size_t kColumn = 29;

const toolhelp::Line kUsage[] = {
    { QT_TRANSLATE_NOOP("vantrel-fetch", "usage: vantrel-fetch [OPTIONS] URL") },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-fetch",
        "Fetches URL with the monitor's HTTP/1.0 client and prints each event on its own "
        "line in the\n"
        "order it is raised, then the response's status line.") },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "send the request through this HTTP proxy"),
        "  --proxy HOST:PORT", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "Basic authorization for the proxy"),
        "  --proxy-user USER", kColumn },
    { "", "  --proxy-password PASSWORD" },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "connect through a CONNECT tunnel or a SOCKS server"),
        "  --firewall tunnel|socks4|socks5", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "the firewall or SOCKS server"), "  --firewall-host HOST",
        kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "its port (default: 80 for tunnel, 1080 for SOCKS)"),
        "  --firewall-port PORT", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "user (and password) the firewall asks for"),
        "  --firewall-user USER", kColumn },
    { "", "  --firewall-password PASSWORD" },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "give up after S seconds (default: never)"),
        "  --timeout S", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "which redirects to follow (default: never)"),
        "  --follow never|always|same-scheme", kColumn },
    { QT_TRANSLATE_NOOP(
          "vantrel-fetch", "keep at most N bytes of the body (0: all; default: 4096)"),
        "  --max-data N", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "also write the body to FILE"), "  --local-file FILE",
        kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "User-Agent header"), "  --user-agent TEXT", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "Accept header"), "  --accept TEXT", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "send HEAD instead of GET"), "  --head", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-fetch", "send POST with TEXT as body"), "  --post-data TEXT",
        kColumn },
    toolhelp::helpOption(kColumn),
    toolhelp::versionOption(kColumn),
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-fetch",
        "Exit status: 0 done, 1 the request failed (\"code: text\" on standard error), 2 bad "
        "command line.") },
};

const toolhelp::Tool kTool { "vantrel-fetch", kUsage };

// --head and --post-data choose the method.
constexpr int kMethod = 1;

std::optional<long long> parseNumber(const std::string& text, long long low, long long high)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

void print(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

void printEvents(net::TNetHTTP& http)
{
    const auto report = [](const char* name) {
        return [name](QObject*, int code, const QString& text) {
            print(QStringLiteral("%1 %2 %3").arg(QLatin1String(name)).arg(code).arg(text));
        };
    };
    const auto direction = [](const char* name) {
        return [name](QObject*, int to) {
            print(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(to));
        };
    };
    http.OnConnected = report("connected");
    http.OnDisconnected = report("disconnected");
    http.OnError = report("error");
    http.OnStartTransfer = direction("starttransfer");
    http.OnEndTransfer = direction("endtransfer");
    http.OnHeader = [](QObject*, const QString& field, const QString& value) {
        print(QStringLiteral("header %1: %2").arg(field, value));
    };
    http.OnSetCookie
        = [](QObject*, const QString& name, const QString& value, const QString& expires,
              const QString& domain, const QString& path, bool secure) {
              print(QStringLiteral("setcookie %1=%2 expires=%3 domain=%4 path=%5%6")
                        .arg(name, value, expires, domain, path,
                            secure ? QStringLiteral(" secure") : QString()));
          };
    http.OnTransfer = [](QObject*, int to, std::int64_t total, const QByteArray&) {
        print(QStringLiteral("transfer %1 %2").arg(to).arg(total));
    };
}

using Setting = std::function<void(net::TNetHTTP&)>;

// An option that takes a value: what it expects, and what a value sets (nothing when the value
// is not one the option takes).
struct ValueOption
{
    toolhelp::Option option;
    const char* expects;
    std::function<std::optional<Setting>(const std::string&)> read;
};

template<typename Value>
using Setter = void (net::TNetHTTP::*)(Value);

std::function<std::optional<Setting>(const std::string&)> text(Setter<const QString&> setter)
{
    return [setter](const std::string& value) -> std::optional<Setting> {
        return [setter, text = QString::fromLocal8Bit(value)](
                   net::TNetHTTP& http) { (http.*setter)(text); };
    };
}

template<typename Value>
std::function<std::optional<Setting>(const std::string&)> number(
    long long low, long long high, Setter<Value> setter)
{
    return [=](const std::string& value) -> std::optional<Setting> {
        const auto parsed = parseNumber(value, low, high);
        if (!parsed)
            return std::nullopt;
        return
            [setter, n = static_cast<Value>(*parsed)](net::TNetHTTP& http) { (http.*setter)(n); };
    };
}

template<typename Value>
std::function<std::optional<Setting>(const std::string&)> choice(
    const std::map<std::string, Value>& choices, Setter<Value> setter)
{
    return [=](const std::string& value) -> std::optional<Setting> {
        const auto found = choices.find(value);
        if (found == choices.end())
            return std::nullopt;
        return [setter, chosen = found->second](net::TNetHTTP& http) { (http.*setter)(chosen); };
    };
}

std::optional<Setting> proxy(const std::string& value)
{
    const std::size_t colon = value.rfind(':');
    if (colon == 0 || colon == std::string::npos)
        return std::nullopt;
    const auto port = parseNumber(value.substr(colon + 1), 1, 65535);
    if (!port)
        return std::nullopt;
    return
        [host = QString::fromLocal8Bit(value.substr(0, colon)), port = *port](net::TNetHTTP& http) {
            http.SetProxyServer(host);
            http.SetProxyPort(static_cast<std::uint16_t>(port));
        };
}

// In the order their settings are made: the firewall type before its port, so that a
// --firewall-port anywhere on the line wins over the type's own port.
const std::vector<ValueOption>& valueOptions()
{
    using net::TNetHTTP;
    static const std::vector<ValueOption> options {
        { { "--proxy", "the proxy" }, "HOST:PORT", proxy },
        { { "--proxy-user", "the user" }, "a user", text(&TNetHTTP::SetProxyUser) },
        { { "--proxy-password", "the password" }, "a password", text(&TNetHTTP::SetProxyPassword) },
        { { "--firewall", "the firewall type" }, "tunnel, socks4 or socks5",
            choice<net::THttpFirewallTypes>({ { "tunnel", net::THttpFirewallTypes::fwTunnel },
                                                { "socks4", net::THttpFirewallTypes::fwSOCKS4 },
                                                { "socks5", net::THttpFirewallTypes::fwSOCKS5 } },
                &TNetHTTP::SetFirewallType) },
        { { "--firewall-host", "the host" }, "a host", text(&TNetHTTP::SetFirewallHost) },
        { { "--firewall-port", "the port" }, "a port from 1 to 65535",
            number<std::uint16_t>(1, 65535, &TNetHTTP::SetFirewallPort) },
        { { "--firewall-user", "the user" }, "a user", text(&TNetHTTP::SetFirewallUser) },
        { { "--firewall-password", "the password" }, "a password",
            text(&TNetHTTP::SetFirewallPassword) },
        { { "--timeout", "the number of seconds" }, "a number of seconds",
            number<int>(0, 2147483647, &TNetHTTP::SetTimeout) },
        { { "--follow", "the redirects to follow" }, "never, always or same-scheme",
            choice<net::THttpFollowRedirects>(
                { { "never", net::THttpFollowRedirects::frNever },
                    { "always", net::THttpFollowRedirects::frAlways },
                    { "same-scheme", net::THttpFollowRedirects::frSameScheme } },
                &TNetHTTP::SetFollowRedirects) },
        { { "--max-data", "the number of bytes" }, "a number of bytes",
            number<std::int32_t>(0, 2147483647, &TNetHTTP::SetMaxTransferredData) },
        { { "--local-file", "the file" }, "a file name", text(&TNetHTTP::SetLocalFile) },
        { { "--user-agent", "the text" }, "a text", text(&TNetHTTP::SetUserAgent) },
        { { "--accept", "the text" }, "a text", text(&TNetHTTP::SetAccept) },
        { { "--post-data", "the text", kMethod }, "a text",
            [](const std::string& value) -> std::optional<Setting> {
                return [data = QByteArray::fromStdString(value)](
                           net::TNetHTTP& http) { http.SetPostData(data); };
            } },
    };
    return options;
}

struct Request
{
    std::string url;
    enum class Method { Get, Head, Post } method = Method::Get;
    std::vector<Setting> settings; // in valueOptions() order, each option's last value
};

// The request the command line asks for; the exit status when there is nothing to do or it is
// wrong.
std::variant<Request, int> parse(int& argc, char** argv)
{
    std::vector<toolhelp::Option> accepted { { "--head", {}, kMethod } };
    for (const ValueOption& option : valueOptions())
        accepted.push_back(option.option);
    const auto parsed = toolhelp::parse(kTool, accepted, argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& arguments = *std::get_if<toolhelp::Arguments>(&parsed);
    if (arguments.operands.empty())
        return toolhelp::usageError(kTool, "the URL is missing");
    if (arguments.operands.size() > 1)
        return toolhelp::unexpected(kTool, arguments.operands[1]);
    Request request;
    request.url = arguments.operands.front();
    for (const ValueOption& option : valueOptions()) {
        const auto value = arguments.value(option.option.name);
        if (!value)
            continue;
        std::optional<Setting> setting = option.read(*value);
        if (!setting)
            return toolhelp::badValue(kTool, option.option.name, *value, option.expects);
        request.settings.push_back(std::move(*setting));
    }
    if (arguments.has("--head"))
        request.method = Request::Method::Head;
    if (arguments.has("--post-data"))
        request.method = Request::Method::Post;
    return request;
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = parse(argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const Request* request = std::get_if<Request>(&parsed);

    QCoreApplication application(argc, argv);
    if (!platform::Runtime::installFromEnvironment("vantrel-fetch"))
        return 2;
    try {
        net::TNetHTTP http;
        printEvents(http);
        try {
            for (const auto& setting : request->settings)
                setting(http);
            const QString url = QString::fromLocal8Bit(request->url);
            switch (request->method) {
            case Request::Method::Get:
                http.Get(url);
                break;
            case Request::Method::Head:
                http.Head(url);
                break;
            case Request::Method::Post:
                http.Post(url);
                break;
            }
        } catch (const net::ENetError&) {
            if (!http.StatusLine().isEmpty())
                print(http.StatusLine());
            throw;
        }
        print(http.StatusLine());
    } catch (const net::ENetError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantrel-fetch: %s\n", error.what());
        return 1;
    }
    return 0;
}
