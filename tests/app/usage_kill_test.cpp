// SPDX-License-Identifier: GPL-3.0-or-later
// The usage history survives the monitor being killed at any moment: many short connections at
// a fast time scale, a kill -9 at a random moment, a restart, again and again.
#include "tests/app/programfixture.h"
#include "usage/usagestore.h"

#include <QDateTime>
#include <QTimeZone>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>

using testing_support::Program;
using testing_support::RunOptions;
using usage::UsageStore;

namespace {

constexpr std::int64_t kUpRate = 1000; // bytes a second, both connections
constexpr std::int64_t kDownRate = 5000;
constexpr std::int64_t kRunSpacing = 86400; // each run starts a virtual day after the last
constexpr std::int64_t kFirstStart = 1774699200; // 2026-03-28 12:00 UTC

// One connection as the program's own lines tell it: named when it came up, the figures of its
// last tick, and whether it went down before the kill.
struct SeenConnection
{
    std::string name;
    std::int64_t sent = 0;
    std::int64_t received = 0;
    std::int64_t duration = 0;
    std::int64_t longestTickGap = 0; // seconds of duration between two ticks
    bool ended = false;
};

std::vector<SeenConnection> seenConnections(const std::string& err)
{
    std::vector<SeenConnection> seen;
    const std::regex line(R"(vantrel\.log: (\w+) (connected|disconnected)\.|)"
                          R"(vantrel\.tick: state 8192 sent (\d+) received (\d+) duration (\d+))");
    for (auto it = std::sregex_iterator(err.begin(), err.end(), line); it != std::sregex_iterator();
         ++it) {
        const auto& match = *it;
        if (match[2] == "connected") {
            seen.push_back({ match[1], 0, 0, 0, 0, false });
        } else if (match[2] == "disconnected") {
            if (!seen.empty())
                seen.back().ended = true;
        } else if (!seen.empty() && !seen.back().ended) {
            SeenConnection& current = seen.back();
            const std::int64_t duration = std::stoll(match[5]);
            current.longestTickGap = std::max(current.longestTickGap, duration - current.duration);
            current.sent = std::stoll(match[3]);
            current.received = std::stoll(match[4]);
            current.duration = duration;
        }
    }
    return seen;
}

std::string isoUtc(std::int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate).toStdString();
}

class UsageKill : public Program
{
protected:
    std::filesystem::path history() const
    {
        return m_runtime.configHome() / "data" / "vantrel" / "usage.sqlite3";
    }
    // Every 100 virtual seconds a short connection (10 s) and a long one (80 s, so the
    // once-a-minute write happens inside it).
    std::string scenarioStartingAt(std::int64_t start)
    {
        return scenarioFile(R"({ "profile": "xp", "timeScale": 400, "repeatEvery": 100,
            "startTime": ")"
            + isoUtc(start) + R"(", "connections": [
              { "name": "Short", "dialAt": 1, "states": [[0, 2], [1, 8192]], "dropAt": 12,
                "traffic": [[0, 1000, 1000, 5000]] },
              { "name": "Long", "dialAt": 14, "states": [[0, 2], [1, 8192]], "dropAt": 96,
                "traffic": [[0, 1000, 1000, 5000]] }] })");
    }
};

// The number of connections a soak goes through: a short run in the normal suite, the full one
// from bench/usage-kill-soak.
int connectionsToSee()
{
    const char* wanted = std::getenv("VANTREL_KILL_SOAK_CONNECTIONS");
    return wanted ? std::atoi(wanted) : 120;
}

unsigned soakSeed()
{
    if (const char* wanted = std::getenv("VANTREL_KILL_SOAK_SEED"))
        return static_cast<unsigned>(std::strtoul(wanted, nullptr, 10));
    return std::random_device {}();
}

// Guards against a kill at a bad moment leaving a history that does not open, a connection
// counted twice, or more than the last minute lost.
TEST_F(UsageKill, KilledAtRandomMomentsTheHistoryOpensAndLosesAtMostTheLastMinute)
{
    const unsigned seed = soakSeed();
    std::cout << "seed " << seed << " (VANTREL_KILL_SOAK_SEED replays it)\n";
    SCOPED_TRACE("VANTREL_KILL_SOAK_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    // Up to three cycles of ticks, then up to 8 ms more, so some kills land inside a write.
    std::uniform_int_distribution<int> ticksBeforeKill(1, 300);
    std::uniform_int_distribution<int> extraMicroseconds(0, 8000);

    std::vector<std::vector<SeenConnection>> runs;
    int seenInAll = 0;
    for (int run = 0; seenInAll < connectionsToSee(); ++run) {
        ASSERT_LT(run, 1000) << "the runs see no connections";
        const int ticks = ticksBeforeKill(random);
        const auto extra = std::chrono::microseconds(extraMicroseconds(random));
        std::optional<std::chrono::steady_clock::time_point> killAt;
        RunOptions options;
        options.signal = 9;
        options.environment = { { "TZ", "UTC" } };
        const auto result = this->run(
            scenarioStartingAt(kFirstStart + run * kRunSpacing),
            [&](const std::string& err) {
                if (!killAt) {
                    std::size_t count = 0;
                    for (auto at = err.find("vantrel.tick:"); at != std::string::npos;
                         at = err.find("vantrel.tick:", at + 1))
                        ++count;
                    if (count < static_cast<std::size_t>(ticks))
                        return false;
                    killAt = std::chrono::steady_clock::now() + extra;
                }
                return std::chrono::steady_clock::now() >= *killAt;
            },
            options);
        ASSERT_EQ(result.exitCode, -1) << "run " << run << " was not killed\n" << result.err;
        EXPECT_EQ(result.err.find("usage history"), std::string::npos)
            << "run " << run << " could not use its history\n"
            << result.err;

        // The store opens after every kill, for a reader as for the next start.
        UsageStore reader(history(), UsageStore::Mode::ReadOnly);
        if (std::filesystem::exists(history())) {
            ASSERT_EQ(reader.open(), "") << "after run " << run;
        }

        runs.push_back(seenConnections(result.err));
        seenInAll += static_cast<int>(runs.back().size());
    }
    std::cout << runs.size() << " runs, " << seenInAll << " connections\n";

    // One last start closes what the last kill left open.
    RunOptions closingRun;
    closingRun.environment = { { "TZ", "UTC" } };
    const auto closing = this->run(
        scenarioStartingAt(kFirstStart + static_cast<std::int64_t>(runs.size()) * kRunSpacing),
        [](const std::string& err) { return err.find("vantrel.tick:") != std::string::npos; },
        closingRun);
    ASSERT_EQ(closing.exitCode, 0) << closing.err;

    UsageStore store(history(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    std::int64_t recordSent = 0;
    std::int64_t recordReceived = 0;
    for (const auto& record : store.connections(0, 1LL << 40)) {
        recordSent += record.sent;
        recordReceived += record.received;
        EXPECT_TRUE(record.end.has_value()) << record.name << " at " << record.start;
    }
    std::int64_t bucketSent = 0;
    std::int64_t bucketReceived = 0;
    for (const auto& bucket : store.buckets(0, 1LL << 40)) {
        bucketSent += bucket.sent;
        bucketReceived += bucket.received;
    }
    EXPECT_EQ(bucketSent, recordSent) << "records and buckets are written together";
    EXPECT_EQ(bucketReceived, recordReceived);

    std::int64_t lostSent = 0;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::int64_t from = kFirstStart + static_cast<std::int64_t>(run) * kRunSpacing;
        const auto records = store.connections(from, from + kRunSpacing);
        const auto& seen = runs[run];
        // The last connection of a run may be missing when the kill came before its first write.
        ASSERT_LE(records.size(), seen.size()) << "a connection is counted twice";
        ASSERT_GE(records.size() + 1, seen.size()) << "more than the last connection is missing";
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const bool last = i + 1 == seen.size();
            if (i >= records.size()) {
                EXPECT_FALSE(seen[i].ended) << "an ended connection is missing";
                EXPECT_LE(seen[i].sent, kUpRate * (60 + seen[i].longestTickGap + 1))
                    << "more than a minute of a missing connection";
                lostSent += seen[i].sent;
                continue;
            }
            const auto& record = records[i];
            EXPECT_EQ(record.name, seen[i].name) << "connection " << i;
            if (seen[i].ended || !last) {
                EXPECT_EQ(record.sent, seen[i].sent) << "connection " << i << " " << record.name;
                EXPECT_EQ(record.received, seen[i].received) << "connection " << i;
                continue;
            }
            // Killed while up: written at most a minute (and a tick) before its last logged tick,
            // or by a tick the kill kept from being logged.
            const std::int64_t allowed = kUpRate * (60 + seen[i].longestTickGap + 1);
            EXPECT_GE(record.sent, seen[i].sent - allowed) << "more than a minute lost";
            EXPECT_LE(record.sent, seen[i].sent + kUpRate * (seen[i].longestTickGap + 1));
            const std::int64_t ofTheSameTick = record.received - record.sent * kDownRate / kUpRate;
            // Each figure is rounded down at both ends (and in floating point by the simulator).
            EXPECT_LE(std::abs(ofTheSameTick), 2 * kDownRate / kUpRate)
                << "sent and received written from different ticks: " << record.sent << " "
                << record.received;
            lostSent += std::max<std::int64_t>(0, seen[i].sent - record.sent);
        }
    }
    std::cout << "lost to kills: " << lostSent << " bytes sent of " << recordSent + lostSent
              << "\n";
}

} // namespace
