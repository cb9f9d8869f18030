// SPDX-License-Identifier: GPL-3.0-or-later
// The anti-idle window and step, with the HTTP component answering from a scripted peer in
// memory.
#include "monitor/antiidle.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedpeer.h"

#include <gtest/gtest.h>

namespace {

using testing_support::PeerLog;
using testing_support::PeerScript;

TEST(AntiIdleWindow, SumsTheLastTicksOnly)
{
    AntiIdleWindow window(3);
    EXPECT_EQ(window.push(10), 10);
    EXPECT_EQ(window.push(20), 30);
    EXPECT_EQ(window.push(30), 60);
    EXPECT_EQ(window.push(40), 90) << "the oldest tick has left";
    window.clear();
    EXPECT_EQ(window.push(5), 5);

    AntiIdleWindow single(1);
    EXPECT_EQ(single.push(7), 7);
    EXPECT_EQ(single.push(8), 8);
}

TEST(AntiIdleWindow, KeepsItsLengthAndSlotsWithinRange)
{
    EXPECT_EQ(AntiIdleWindow(0).ticks(), 1);
    EXPECT_EQ(AntiIdleWindow(100000).ticks(), 32768);
    AntiIdleWindow window(2);
    EXPECT_EQ(window.push(std::int64_t { 1 } << 40), 2147483647) << "a counter jump is capped";
    EXPECT_EQ(window.push(-5), 2147483642);
}

class AntiIdleTest : public testing::Test
{
protected:
    AntiIdleTest()
        : http(nullptr, testing_support::scriptedPeer(runtime.source(), script, log))
        , antiIdle(http, [this](const QString& line) { lines.push_back(line); })
    {
        AntiIdle::applyHttpDesign(http);
        http.OnEndTransfer = [this](QObject*, int) { antiIdle.endTransfer(); };
        antiIdle.configure(QStringLiteral("http://isp.example/"), 81920, 300);
        page(20000);
    }
    void page(std::size_t bytes)
    {
        script.responses = { "HTTP/1.0 200 OK\r\n\r\n" + std::string(bytes, 'p') };
    }

    testing_support::ScratchRuntime runtime;
    PeerScript script;
    PeerLog log;
    net::TNetHTTP http;
    AntiIdle antiIdle;
    std::vector<QString> lines;
};

TEST_F(AntiIdleTest, FetchesUntilTheWindowHoldsEnoughThenWaitsForOldTrafficToLeave)
{
    std::vector<int> fetchTicks;
    std::int64_t traffic = 0;
    for (int tick = 1; tick <= 310; ++tick) {
        const int before = log.connects;
        antiIdle.step(traffic);
        // What a fetch moved shows in the next tick's counters.
        traffic = log.connects > before ? 20000 : 0;
        if (log.connects > before)
            fetchTicks.push_back(tick);
    }
    // Five pages fill the window; as each leaves it 300 ticks later, one more page replaces it.
    EXPECT_EQ(fetchTicks, (std::vector<int> { 1, 2, 3, 4, 5, 302, 303, 304, 305, 306 }));
    EXPECT_EQ(lines.size(), fetchTicks.size());
    EXPECT_TRUE(lines.front().endsWith(" - Anti Idle 20000 bytes")) << lines.front().toStdString();
}

TEST_F(AntiIdleTest, HeavyTrafficNeverFetches)
{
    for (int tick = 0; tick < 600; ++tick)
        antiIdle.step(100000);
    EXPECT_EQ(log.connects, 0);
}

TEST_F(AntiIdleTest, AOneTickWindowFetchesOnEveryQuietTick)
{
    antiIdle.configure(QStringLiteral("http://isp.example/"), 81920, 1);
    for (int tick = 0; tick < 4; ++tick)
        antiIdle.step(20000);
    EXPECT_EQ(log.connects, 4);
    antiIdle.step(90000);
    EXPECT_EQ(log.connects, 4);
}

TEST_F(AntiIdleTest, AnEmptiedWindowFetchesAtTheNextTick)
{
    antiIdle.step(100000);
    EXPECT_EQ(log.connects, 0);
    antiIdle.clearWindow();
    antiIdle.step(0);
    EXPECT_EQ(log.connects, 1);
}

TEST_F(AntiIdleTest, SendsTheDesignsRequest)
{
    antiIdle.step(0);
    EXPECT_EQ(log.sends.at(0),
        "GET / HTTP/1.0\r\nHost: isp.example\r\n"
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
        "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 5.2)\r\n");
    EXPECT_EQ(http.Timeout(), 30);
    EXPECT_EQ(http.FirewallPort(), 80);
}

TEST_F(AntiIdleTest, ANestedTickStartsNoSecondFetch)
{
    int nested = 0;
    http.OnHeader = [&](QObject*, const QString&, const QString&) {
        ++nested;
        antiIdle.step(0);
    };
    http.OnConnected = [&](QObject*, int, const QString&) {
        ++nested;
        antiIdle.step(0);
    };
    script.responses = { "HTTP/1.0 200 OK\r\nA: 1\r\n\r\nbody" };
    antiIdle.step(0);
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(log.connects, 1);
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(AntiIdleTest, LogsTheWholePageButKeepsAtMostAMebibyte)
{
    // Guards against an endless page filling the memory within the fetch's 30 seconds.
    page(3 * 1024 * 1024 + 5);
    script.chunkSize = 65536;
    antiIdle.step(0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].endsWith(" - Anti Idle 3145733 bytes")) << lines[0].toStdString();
    EXPECT_EQ(http.TransferredData().size(), AntiIdle::kKeptBytes);
}

TEST_F(AntiIdleTest, AnErrorPageIsLoggedAndItsErrorDropped)
{
    script.responses = { "HTTP/1.0 404 Not Found\r\n\r\n" + std::string(321, 'e') };
    EXPECT_NO_THROW(antiIdle.step(0));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].endsWith(" - Anti Idle 321 bytes"));
}

TEST_F(AntiIdleTest, AnUnusableAddressFailsSilently)
{
    for (const char* web : { "", "not a url", "https://isp.example/", "http://" }) {
        antiIdle.configure(QString::fromLatin1(web), 81920, 300);
        EXPECT_NO_THROW(antiIdle.step(0)) << web;
    }
    EXPECT_EQ(log.connects, 0);
    EXPECT_TRUE(lines.empty());
}

TEST_F(AntiIdleTest, InterruptLogsThePartialPage)
{
    page(50000);
    script.chunkSize = 10000;
    bool interrupted = false;
    std::int64_t atInterrupt = 0;
    const net::TTransferEvent counting = http.OnTransfer;
    http.OnTransfer
        = [&](QObject* sender, int direction, std::int64_t total, const QByteArray& data) {
              counting(sender, direction, total, data);
              if (total >= 20000 && !interrupted) {
                  atInterrupt = total;
                  interrupted = true;
                  antiIdle.interrupt();
              }
          };
    EXPECT_NO_THROW(antiIdle.step(0));
    EXPECT_TRUE(interrupted);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" - Anti Idle %1 bytes").arg(atInterrupt)))
        << lines[0].toStdString();
    EXPECT_LT(atInterrupt, 50000);
    EXPECT_FALSE(http.Connected());
}

} // namespace
