// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-fetch: fetches one URL with the monitor's own HTTP component and prints every event as
// it is raised, so a user can see why a page does not load.
#include "net/nethttp.h"
#include "platform/runtime.h"

#include <QCoreApplication>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace {

const char* const kUsage = R"(usage: vantrel-fetch [options] URL

Fetches URL with the monitor's HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response's status line.

  --proxy HOST:PORT          send the request through this HTTP proxy
  --proxy-user USER          Basic authorization for the proxy
  --proxy-password PASSWORD
  --firewall tunnel|socks4|socks5
                             connect through a CONNECT tunnel or a SOCKS server
  --firewall-host HOST       the firewall or SOCKS server
  --firewall-port PORT       its port (default 80 for tunnel, 1080 for SOCKS)
  --firewall-user USER       user (and password) the firewall asks for
  --firewall-password PASSWORD
  --timeout S                give up after S seconds (default: never)
  --follow never|always|same-scheme
                             which redirects to follow (default never)
  --max-data N               keep at most N bytes of the body (0: all; default 4096)
  --local-file PATH          also write the body to PATH
  --user-agent TEXT          User-Agent header
  --accept TEXT              Accept header
  --head                     send HEAD instead of GET
  --post-data TEXT           send POST with TEXT as body

Exit status: 0 fetched, 1 the request failed ("code: text" on standard error), 2 bad command
line.
)";

int usageError(const std::string& text)
{
    std::fprintf(stderr, "vantrel-fetch: %s\n(see vantrel-fetch --help)\n", text.c_str());
    return 2;
}

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

struct Request
{
    std::string url;
    enum class Method { Get, Head, Post } method = Method::Get;
    std::function<void(net::TNetHTTP&)> configure = [](net::TNetHTTP&) {};
};

// Options become property writes, applied in the order given.
std::optional<Request> parse(int argc, char** argv, int& status)
{
    Request request;
    const auto then = [&](std::function<void(net::TNetHTTP&)> step) {
        request.configure = [previous = request.configure, step](net::TNetHTTP& http) {
            previous(http);
            step(http);
        };
    };
    const auto text = [](const std::string& value) { return QString::fromLocal8Bit(value); };
    using Setter = void (net::TNetHTTP::*)(const QString&);
    const std::map<std::string, Setter> texts {
        { "--proxy-user", &net::TNetHTTP::SetProxyUser },
        { "--proxy-password", &net::TNetHTTP::SetProxyPassword },
        { "--firewall-host", &net::TNetHTTP::SetFirewallHost },
        { "--firewall-user", &net::TNetHTTP::SetFirewallUser },
        { "--firewall-password", &net::TNetHTTP::SetFirewallPassword },
        { "--local-file", &net::TNetHTTP::SetLocalFile },
        { "--user-agent", &net::TNetHTTP::SetUserAgent },
        { "--accept", &net::TNetHTTP::SetAccept },
    };
    const auto fail = [&](const std::string& why) {
        status = usageError(why);
        return std::nullopt;
    };

    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            status = 0;
            return std::nullopt;
        }
        if (option == "--head") {
            request.method = Request::Method::Head;
            continue;
        }
        if (!option.starts_with("--")) {
            if (!request.url.empty())
                return fail("only one URL, not also '" + option + "'");
            request.url = option;
            continue;
        }
        const bool known = texts.contains(option)
            || std::set<std::string> { "--proxy", "--firewall", "--firewall-port", "--timeout",
                   "--follow", "--max-data", "--post-data" }
                   .contains(option);
        if (!known)
            return fail("unknown option '" + option + "'");
        if (i + 1 >= argc)
            return fail(option + " needs a value");
        const std::string value = argv[++i];
        if (const auto setter = texts.find(option); setter != texts.end()) {
            then([setter = setter->second, value = text(value)](
                     net::TNetHTTP& http) { (http.*setter)(value); });
        } else if (option == "--proxy") {
            const std::size_t colon = value.rfind(':');
            const auto port = colon == std::string::npos
                ? std::nullopt
                : parseNumber(value.substr(colon + 1), 1, 65535);
            if (!port || colon == 0)
                return fail("--proxy needs HOST:PORT, not '" + value + "'");
            then([host = text(value.substr(0, colon)), port = *port](net::TNetHTTP& http) {
                http.SetProxyServer(host);
                http.SetProxyPort(static_cast<std::uint16_t>(port));
            });
        } else if (option == "--firewall") {
            const std::map<std::string, net::THttpFirewallTypes> types {
                { "tunnel", net::THttpFirewallTypes::fwTunnel },
                { "socks4", net::THttpFirewallTypes::fwSOCKS4 },
                { "socks5", net::THttpFirewallTypes::fwSOCKS5 },
            };
            const auto type = types.find(value);
            if (type == types.end())
                return fail("--firewall is tunnel, socks4 or socks5, not '" + value + "'");
            // First, so that a --firewall-port anywhere on the line wins over the type's port.
            request.configure
                = [previous = request.configure, type = type->second](net::TNetHTTP& http) {
                      http.SetFirewallType(type);
                      previous(http);
                  };
        } else if (option == "--firewall-port") {
            const auto port = parseNumber(value, 1, 65535);
            if (!port)
                return fail("--firewall-port needs a port from 1 to 65535, not '" + value + "'");
            then([port = *port](net::TNetHTTP& http) {
                http.SetFirewallPort(static_cast<std::uint16_t>(port));
            });
        } else if (option == "--timeout") {
            const auto seconds = parseNumber(value, 0, 2147483647);
            if (!seconds)
                return fail("--timeout needs a number of seconds, not '" + value + "'");
            then([seconds = *seconds](
                     net::TNetHTTP& http) { http.SetTimeout(static_cast<int>(seconds)); });
        } else if (option == "--follow") {
            const std::map<std::string, net::THttpFollowRedirects> policies {
                { "never", net::THttpFollowRedirects::frNever },
                { "always", net::THttpFollowRedirects::frAlways },
                { "same-scheme", net::THttpFollowRedirects::frSameScheme },
            };
            const auto policy = policies.find(value);
            if (policy == policies.end())
                return fail("--follow is never, always or same-scheme, not '" + value + "'");
            then([policy = policy->second](
                     net::TNetHTTP& http) { http.SetFollowRedirects(policy); });
        } else if (option == "--max-data") {
            const auto bytes = parseNumber(value, 0, 2147483647);
            if (!bytes)
                return fail("--max-data needs a number of bytes, not '" + value + "'");
            then([bytes = *bytes](net::TNetHTTP& http) {
                http.SetMaxTransferredData(static_cast<std::int32_t>(bytes));
            });
        } else {
            request.method = Request::Method::Post;
            then([data = QByteArray::fromStdString(value)](
                     net::TNetHTTP& http) { http.SetPostData(data); });
        }
    }
    if (request.url.empty())
        return fail("which URL?");
    return request;
}

} // namespace

int main(int argc, char** argv)
{
    int status = 0;
    const std::optional<Request> request = parse(argc, argv, status);
    if (!request)
        return status;

    QCoreApplication application(argc, argv);
    if (!platform::Runtime::installFromEnvironment("vantrel-fetch"))
        return 2;
    try {
        net::TNetHTTP http;
        printEvents(http);
        try {
            request->configure(http);
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
    }
    return 0;
}
