// SPDX-License-Identifier: GPL-3.0-or-later
// The real program keeping a quiet simulated line alive by fetching a page from a server the
// test runs on loopback.
#include "tests/app/programfixture.h"
#include "tests/support/missingpeer.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/silentnameserver.h"

#include <gtest/gtest.h>
#include <regex>

using testing_support::Program;
using testing_support::RunOptions;
using testing_support::ScriptedServer;
using namespace std::chrono_literals;

namespace {

const char* const kQuiet = "[[0, 1000, 0, 0]]";

class AntiIdleProgram : public Program
{
protected:
    // "Anti Idle..." checked and the page to fetch, as a user would have them stored.
    void keepAlive(const std::string& web)
    {
        m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("AntiIdle"), true);
        m_store.WriteString(
            QStringLiteral("Option"), QStringLiteral("AntiIdleWeb"), QString::fromStdString(web));
    }
    static std::string url(const ScriptedServer& server)
    {
        return "http://127.0.0.1:" + std::to_string(server.port()) + "/index.html";
    }
    static std::size_t count(const std::string& text, const std::regex& pattern)
    {
        return static_cast<std::size_t>(
            std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), {}));
    }
    static std::size_t ticks(const std::string& err)
    {
        return count(err, std::regex("state 8192"));
    }
    // Stops the program once `enough` holds, or after `limit` of real time.
    static std::function<bool(const std::string&)> until(
        std::function<bool(const std::string&)> enough, std::chrono::seconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        return [enough, end](const std::string& err) {
            return enough(err) || std::chrono::steady_clock::now() > end;
        };
    }

    const std::regex m_fetchLine { R"(vantrel\.log: .+ - Anti Idle (\d+) bytes\n)" };
};

TEST_F(AntiIdleProgram, FetchesThePageOnAQuietLineAndLogsEachTransfer)
{
    const std::string page(20000, 'p');
    ScriptedServer server([&](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + page);
    });
    keepAlive(url(server));
    const auto result = run(scenario("", kQuiet),
        until([&](const std::string& err) { return count(err, m_fetchLine) >= 3; }, 30s));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_GE(count(result.err, m_fetchLine), 3u) << result.err;
    std::smatch first;
    ASSERT_TRUE(std::regex_search(result.err, first, m_fetchLine));
    EXPECT_EQ(first[1], "20000");
    EXPECT_EQ(server.lastRequest(),
        "GET /index.html HTTP/1.0\r\nHost: 127.0.0.1\r\n"
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
        "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 5.2)\r\n\r\n");
}

TEST_F(AntiIdleProgram, HeavyTrafficStartsNoFetch)
{
    ScriptedServer server([](int fd, const std::string&, const std::atomic<bool>&) {
        testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\n\r\nhello");
    });
    keepAlive(url(server));
    const auto result = run(scenario("", "[[0, 1000, 50000, 50000]]"),
        until([](const std::string& err) { return ticks(err) >= 20; }, 30s));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_GE(ticks(result.err), 20u);
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(AntiIdleProgram, ASilentServerTimesOutWithoutStoppingTheTicks)
{
    ScriptedServer server([](int, const std::string&, const std::atomic<bool>& stopping) {
        ScriptedServer::pause(60s, stopping);
    });
    keepAlive(url(server));
    // The fetch's 30 seconds pass in 1.5 real ones at twenty times real speed.
    const auto result = run(
        scenario("", kQuiet), until([](const std::string& err) { return ticks(err) >= 60; }, 40s));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_GE(ticks(result.err), 60u) << "the monitor kept measuring during and after the wait";
    EXPECT_EQ(server.connections(), 1) << "the timed-out fetch's open connection holds off others";
    EXPECT_EQ(count(result.err, m_fetchLine), 1u) << "the close at exit ends that transfer";
}

TEST_F(AntiIdleProgram, AnUnusableAddressFailsSilently)
{
    for (const std::string& web : { "http://127.0.0.1:"
                 + std::to_string(testing_support::LoopbackListener::closedPort()) + "/",
             std::string("::not a url"), std::string("https://example.org/") }) {
        keepAlive(web);
        const auto result = run(scenario("", kQuiet),
            until([](const std::string& err) { return ticks(err) >= 15; }, 30s));
        ASSERT_EQ(result.exitCode, 0) << web << "\n" << result.err;
        EXPECT_GE(ticks(result.err), 15u) << web;
        EXPECT_EQ(count(result.err, m_fetchLine), 0u) << web;
    }
}

TEST_F(AntiIdleProgram, AnEndlessPageKeepsTheMemoryBounded)
{
    std::atomic<std::size_t> streamed = 0;
    ScriptedServer server([&](int fd, const std::string&, const std::atomic<bool>& stopping) {
        testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\n\r\n");
        const std::string block(1 << 20, 'e');
        while (!stopping && testing_support::sendAll(fd, block))
            streamed += block.size();
    });
    keepAlive(url(server));
    const auto result = run(scenario("", kQuiet),
        until([&](const std::string& err) { return ticks(err) >= 80 && streamed > (1u << 30); },
            60s));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_GT(streamed.load(), 1u << 30) << "the test streamed at least a gibibyte";
    EXPECT_GE(ticks(result.err), 80u);
    // Far below the gibibyte streamed, with room for a sanitizer build's own overhead.
    EXPECT_LT(result.peakResidentKiB, 256 * 1024) << "kept at most 1 MiB of the page";
}

TEST_F(AntiIdleProgram, ANameServerThatNeverAnswersStopsNoTick)
{
    // Guards against the fetch's name lookup freezing the monitor for the resolver's timeout.
    if (const std::string why = testing_support::SilentNameServer::unavailable(); !why.empty())
        VANTREL_SKIP_UNLESS_CI() << why;
    testing_support::SilentNameServer dns;
    ASSERT_EQ(dns.problem(), "");
    keepAlive("http://stalled.test/index.html");
    const auto lookups = [&] { return dns.questionsFor("stalled.test"); };
    RunOptions options;
    options.wrapper = dns.wrapper();
    // At twenty times real speed a tick comes every 50 ms and the fetch's 30 seconds are 1.5.
    const auto result = run(scenario("", kQuiet),
        until([&](const std::string& err) { return ticks(err) >= 80 && lookups() >= 2; }, 30s),
        options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_GE(ticks(result.err), 80u) << "the monitor kept measuring while the name was looked up";
    const auto questions = dns.questions();
    ASSERT_GE(lookups(), 2u) << "a second fetch follows the first one's timeout";
    const auto gap
        = std::chrono::duration_cast<std::chrono::milliseconds>(questions[1].at - questions[0].at);
    EXPECT_GE(gap.count(), 1300) << "the first fetch waited for its 30 seconds";
    EXPECT_LE(gap.count(), 3000) << "and no longer";
    EXPECT_EQ(count(result.err, m_fetchLine), 0u) << "no connection, no transfer";
}

} // namespace
