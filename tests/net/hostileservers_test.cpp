// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP component against servers that misbehave: silent, trickling, a header line without
// end, a reset in the middle of the body, an endless redirect, garbage for a status line, a body
// far larger than what is kept. The action always ends, the thread's other events keep running,
// and nothing grows beyond the body the caller asked to keep.
#include "net/nethttp.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedserver.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

using testing_support::ScriptedServer;
using namespace std::chrono_literals;

const std::string kOkHead = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";

class HostileServerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        runtime.source().addModule("WSOCK32.DLL");
        http = std::make_unique<net::TNetHTTP>();
        http->OnTransfer
            = [this](QObject*, int, std::int64_t total, const QByteArray&) { received = total; };
        // Stands for the monitor's own timers: it must keep ticking while a fetch waits.
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [this] { ++ticks; });
        ticker.start();
    }

    std::string url(const ScriptedServer& server, const char* path = "/") const
    {
        return "http://127.0.0.1:" + std::to_string(server.port()) + path;
    }

    // The code and message a Get raised; 0 when it did not.
    std::pair<int, std::string> get(const std::string& target)
    {
        try {
            http->Get(QString::fromStdString(target));
        } catch (const net::ENetHTTP& error) {
            return { error.Code, error.what() };
        }
        return { 0, {} };
    }

    // The deadline runs on the test's clock: it passes `seconds` after `realDelay`.
    void passTimeLater(std::chrono::milliseconds realDelay, int seconds)
    {
        QTimer::singleShot(realDelay, [this, seconds] {
            runtime.source().manualClock().advance(static_cast<std::uint64_t>(seconds) * 1000);
        });
    }

    testing_support::ScratchRuntime runtime;
    std::unique_ptr<net::TNetHTTP> http;
    std::int64_t received = 0;
    QTimer ticker;
    int ticks = 0;
};

TEST_F(HostileServerTest, ASilentServerEndsAtTheDeadline)
{
    ScriptedServer server([](int, const std::string&, const std::atomic<bool>& stopping) {
        ScriptedServer::pause(60s, stopping);
    });
    http->SetTimeout(5);
    passTimeLater(300ms, 6);
    EXPECT_EQ(get(url(server)), std::make_pair(301, std::string("301: Timeout.")));
    EXPECT_GE(ticks, 10) << "the thread's timers ran during the wait";
    EXPECT_TRUE(http->Connected()) << "a timeout leaves the connection as it is";
    EXPECT_EQ(get(url(server)).first, 101) << "the open socket holds off the next request";
    http->Interrupt();
    EXPECT_FALSE(http->Connected());
}

TEST_F(HostileServerTest, ATricklingServerEndsAtTheDeadlineWithWhatArrived)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>& stopping) {
        testing_support::sendAll(fd, kOkHead);
        while (ScriptedServer::pause(1s, stopping) && testing_support::sendAll(fd, "x")) { }
    });
    http->SetTimeout(10);
    passTimeLater(2500ms, 11);
    EXPECT_EQ(get(url(server)).first, 301);
    EXPECT_GE(received, 2);
    EXPECT_EQ(http->TransferredData(), QByteArray(static_cast<qsizetype>(received), 'x'));
    EXPECT_GE(ticks, 100);
    http->Interrupt();
}

TEST_F(HostileServerTest, AHeaderLineWithoutEndIsCutAtTheBuffer)
{
    // Guards against a 10 MB header line being kept whole.
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd,
            "HTTP/1.0 200 OK\r\nX-Endless: " + std::string(10 * 1024 * 1024, 'h')
                + "\r\nX-After: 1\r\n\r\nthe body");
    });
    std::vector<QString> fields;
    http->OnHeader
        = [&](QObject*, const QString& field, const QString&) { fields.push_back(field); };
    EXPECT_EQ(get(url(server)).first, 0);
    EXPECT_LE(http->TransferredHeaders().size(), net::HttpEngine::kReceiveBufferSize + 14);
    EXPECT_EQ(fields, (std::vector<QString> { "X-Endless", "X-After" }));
    EXPECT_EQ(http->TransferredData(), "the body");
}

TEST_F(HostileServerTest, AResetMidBodyFailsWithTheResetAndKeepsWhatCame)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>& stopping) {
        testing_support::sendAll(fd, kOkHead + std::string(50000, 'b'));
        ScriptedServer::pause(200ms, stopping);
        const linger abortive { 1, 0 };
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    });
    std::vector<std::string> ends;
    http->OnEndTransfer = [&](QObject*, int direction) {
        ends.push_back("endtransfer " + std::to_string(direction));
    };
    http->OnDisconnected = [&](QObject*, int code, const QString&) {
        ends.push_back("disconnected " + std::to_string(code));
    };
    http->SetMaxTransferredData(0);
    const auto [code, text] = get(url(server));
    EXPECT_EQ(code, 10054);
    EXPECT_EQ(text, "10054: [10054] Connection reset by peer");
    EXPECT_EQ(ends, (std::vector<std::string> { "endtransfer 1", "disconnected 10054" }));
    EXPECT_EQ(http->TransferredData(), QByteArray(static_cast<qsizetype>(received), 'b'));
}

TEST_F(HostileServerTest, AnEndlessRedirectStops)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, "HTTP/1.0 302 Found\r\nLocation: /again\r\n\r\n");
    });
    http->SetFollowRedirects(net::THttpFollowRedirects::frAlways);
    EXPECT_EQ(get(url(server)), std::make_pair(151, std::string("151: 302 Found")));
    EXPECT_EQ(server.connections(), net::HttpEngine::kMaxRedirects + 1);
}

TEST_F(HostileServerTest, GarbageForAStatusLineIsTakenAsBody)
{
    const std::string garbage = std::string("\x01\x02 not http\r\n\0binary", 20) + "\xff tail";
    ScriptedServer server([&](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, garbage);
    });
    EXPECT_EQ(get(url(server)).first, 0);
    EXPECT_EQ(http->StatusLine(), "");
    EXPECT_EQ(http->TransferredData().toStdString(), garbage);
}

TEST_F(HostileServerTest, AHugeBodyKeepsOnlyWhatWasAskedFor)
{
    constexpr std::size_t kBody = 64 * 1024 * 1024;
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, kOkHead);
        const std::string block(1024 * 1024, 'e');
        for (std::size_t sent = 0; sent < kBody; sent += block.size()) {
            if (!testing_support::sendAll(fd, block))
                return;
        }
    });
    EXPECT_EQ(get(url(server)).first, 0);
    EXPECT_EQ(received, static_cast<std::int64_t>(kBody));
    EXPECT_EQ(http->TransferredData().size(), 4096);
}

} // namespace
