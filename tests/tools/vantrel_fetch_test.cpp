// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-fetch run as a user runs it, against a scripted server on loopback.
#include "tests/support/built.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/silentnameserver.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using testing_support::ProcessResult;
using testing_support::ScriptedServer;

class VantrelFetch : public testing::Test
{
protected:
    ProcessResult fetch(std::vector<std::string> args, const std::vector<std::string>& wrapper = {})
    {
        args.insert(args.begin(), testing_support::built::vantrelFetch);
        args.insert(args.begin(), wrapper.begin(), wrapper.end());
        return testing_support::runProcess(args,
            { { "VANTREL_SOURCE", "none" }, { "XDG_CONFIG_HOME", m_folder.path().string() } });
    }
    static std::string url(const ScriptedServer& server, const std::string& path = "/")
    {
        return "http://127.0.0.1:" + std::to_string(server.port()) + path;
    }

    testing_support::TemporaryFolder m_folder;
};

TEST_F(VantrelFetch, PrintsEveryEventInOrderAndTheStatusLine)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd,
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: s=1; Path=/\r\n\r\n"
                + std::string(3000, 'w'));
    });
    const ProcessResult result
        = fetch({ "--accept", "text/html", "--user-agent", "Probe/2", url(server, "/p?q=1") });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Transfer lines depend on how the bytes arrive; everything else is fixed.
    std::istringstream lines(result.out);
    std::vector<std::string> fixed;
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("transfer 1 "))
            last = line;
        else
            fixed.push_back(line);
    }
    EXPECT_EQ(fixed,
        (std::vector<std::string> { "connected 0 OK", "header Content-Type: text/html",
            "header Set-Cookie: s=1; Path=/", "setcookie s=1 expires= domain= path=/",
            "starttransfer 1", "endtransfer 1", "disconnected 0 OK", "HTTP/1.0 200 OK" }));
    EXPECT_EQ(last, "transfer 1 3000");
    const std::string request = server.lastRequest();
    EXPECT_EQ(request,
        "GET /p?q=1 HTTP/1.0\r\nHost: 127.0.0.1\r\nAccept: text/html\r\nUser-Agent: Probe/2\r\n"
        "\r\n");
}

TEST_F(VantrelFetch, LeavesTheNameToTheTunnelFirewall)
{
    // Guards against resolving the remote host here, which the tunnel sends as text.
    if (const std::string why = testing_support::SilentNameServer::unavailable(); !why.empty())
        VANTREL_SKIP_UNLESS_CI() << why;
    testing_support::SilentNameServer dns;
    ASSERT_EQ(dns.problem(), "");
    std::string tunnelled;
    std::unique_ptr<ScriptedServer> firewall;
    dns.inside([&] {
        firewall = std::make_unique<ScriptedServer>(
            [&](int fd, const std::string&, const std::atomic<bool>& stopping) {
                testing_support::sendAll(fd, "HTTP/1.0 200 Connection established\r\n\r\n");
                const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                while (tunnelled.find("\r\n\r\n") == std::string::npos && !stopping
                    && std::chrono::steady_clock::now() < end) {
                    pollfd ready { fd, POLLIN, 0 };
                    char chunk[1024];
                    if (::poll(&ready, 1, 20) > 0) {
                        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
                        if (got <= 0)
                            break;
                        tunnelled.append(chunk, static_cast<std::size_t>(got));
                    }
                }
                testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\n\r\nthrough the tunnel");
            });
    });
    ASSERT_TRUE(firewall);
    const ProcessResult result = fetch(
        { "--firewall", "tunnel", "--firewall-host", "127.0.0.1", "--firewall-port",
            std::to_string(firewall->port()), "--timeout", "10", "http://stalled.test/page" },
        dns.wrapper());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(firewall->lastRequest(), "CONNECT stalled.test:80 HTTP/1.0\r\n\r\n");
    EXPECT_TRUE(tunnelled.starts_with("GET /page HTTP/1.0\r\nHost: stalled.test\r\n")) << tunnelled;
    EXPECT_NE(result.out.find("HTTP/1.0 200 OK"), std::string::npos) << result.out;
    firewall.reset();
    EXPECT_EQ(dns.questions().size(), 0u) << "nothing asked the name server";
}

TEST_F(VantrelFetch, WritesTheBodyToALocalFile)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\n\r\n" + std::string(10000, 'f'));
    });
    const std::string path = (m_folder.path() / "page.bin").string();
    const ProcessResult result = fetch({ "--local-file", path, url(server) });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(content, std::string(10000, 'f'));
}

TEST_F(VantrelFetch, SaysWhyAFetchFailed)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, "HTTP/1.0 404 Not Found\r\n\r\nmissing");
    });
    const ProcessResult missing = fetch({ url(server, "/gone") });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "151: 404 Not Found\n");
    EXPECT_TRUE(missing.out.ends_with("disconnected 0 OK\nHTTP/1.0 404 Not Found\n"))
        << missing.out;

    const ProcessResult refused = fetch({ "http://127.0.0.1:"
        + std::to_string(testing_support::LoopbackListener::closedPort()) + "/" });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "connected 10061 [10061] Connection refused\n");
    EXPECT_EQ(refused.err, "10061: [10061] Connection refused\n");

    const ProcessResult https = fetch({ "https://127.0.0.1/" });
    EXPECT_EQ(https.exitCode, 1);
    EXPECT_EQ(https.err, "153: Specified URLScheme is invalid.\n");
}

TEST_F(VantrelFetch, RefusesABadCommandLineWithUsage)
{
    const std::vector<std::vector<std::string>> bad {
        {},
        { "--bogus", "http://h/" },
        { "--timeout" },
        { "--timeout", "soon", "http://h/" },
        { "--follow", "sometimes", "http://h/" },
        { "--firewall", "socks6", "http://h/" },
        { "--proxy", "nohostport", "http://h/" },
        { "http://a/", "http://b/" },
    };
    for (const auto& args : bad) {
        const ProcessResult result = fetch(args);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args);
        EXPECT_TRUE(result.err.ends_with("\nTry 'vantrel-fetch --help'.\n")) << result.err;
    }
    const ProcessResult help = fetch({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("usage: vantrel-fetch")) << help.out;
}

} // namespace
