// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the monitor's measured bytes: where they land, when they are written, how failures
// are said.
#include "usage/historysums.h"
#include "usage/usagerecorder.h"
#include "usage/usagereport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using usage::ConnectionRecord;
using usage::Period;
using usage::UsageRecorder;
using usage::UsageStore;

namespace {

// 2026-03-28 23:59:00 UTC
constexpr std::int64_t kBeforeMidnightMs = 1774742340000;
constexpr std::int64_t kMidnight = 1774742400;

class Recorder : public testing::Test
{
protected:
    Recorder() { setZone("UTC"); }
    static void setZone(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    std::filesystem::path file() const
    {
        return std::filesystem::path(m_dir.path().toStdString()) / "vantrel" / "usage.sqlite3";
    }
    UsageRecorder recorder()
    {
        return UsageRecorder(file(), [this](const std::string& line) { said.push_back(line); });
    }
    static ConnectionRecord call(const std::string& name = "ISP")
    {
        ConnectionRecord record;
        record.name = name;
        return record;
    }
    std::vector<usage::ReportRow> days()
    {
        UsageStore store(file(), UsageStore::Mode::ReadOnly);
        EXPECT_EQ(store.open(), "");
        return usage::report(store.buckets(0, 1LL << 40), Period::Day);
    }

    QTemporaryDir m_dir;
    std::vector<std::string> said;
};

TEST_F(Recorder, ATickAcrossMidnightSplitsItsBytesByTimeLosingNone)
{
    auto history = recorder();
    history.connected(call(), kBeforeMidnightMs, 0);
    std::int64_t wall = kBeforeMidnightMs;
    std::uint64_t mono = 0;
    // Ticks of 1.5 s carrying 1000 sent and 3001 received, from 23:59:00 to 00:01:00.
    for (int i = 0; i < 80; ++i) {
        wall += 1500;
        mono += 1500;
        history.measured(wall, mono, 1000, 3001, static_cast<std::int64_t>(mono / 1000));
    }
    history.disconnected(wall);
    const auto rows = days();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].sent, 40000) << "sixty seconds before midnight at 1000 per 1.5 s";
    EXPECT_EQ(rows[1].sent, 40000);
    EXPECT_EQ(rows[0].received + rows[1].received, 80 * 3001) << "no byte lost or doubled";
    EXPECT_NEAR(static_cast<double>(rows[0].received), 40 * 3001, 1);
    EXPECT_EQ(rows[1].start, kMidnight);
}

TEST_F(Recorder, AClockLeapPutsTheTicksBytesAtTheMomentSeenNotAcrossTheLeap)
{
    auto history = recorder();
    history.connected(call(), kBeforeMidnightMs, 0);
    history.measured(kBeforeMidnightMs + 1000, 1000, 10, 10, 1);
    // The wall clock leaps an hour ahead in one tick: the tick's bytes are today's... after it.
    history.measured(kBeforeMidnightMs + 3'602'000, 2000, 7, 7, 2);
    history.disconnected(kBeforeMidnightMs + 3'602'000);
    const auto rows = days();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].sent, 10);
    EXPECT_EQ(rows[1].sent, 7) << "all of the leap tick's bytes land once, after the leap";
}

TEST_F(Recorder, NegativeDeltasAddNothing)
{
    auto history = recorder();
    history.connected(call(), kBeforeMidnightMs, 0);
    history.measured(kBeforeMidnightMs + 1000, 1000, 100, 100, 1);
    history.measured(kBeforeMidnightMs + 2000, 2000, -50, -4'000'000'000, 2);
    history.disconnected(kBeforeMidnightMs + 2000);
    const auto rows = days();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sent, 100);
    EXPECT_EQ(rows[0].received, 100);
}

TEST_F(Recorder, WritesAtMostOnceAMinuteAndAtDisconnect)
{
    auto history = recorder();
    history.connected(call(), kBeforeMidnightMs, 0);
    for (std::uint64_t second = 1; second < 60; ++second)
        history.measured(kBeforeMidnightMs + static_cast<std::int64_t>(second) * 1000,
            second * 1000, 1, 1, static_cast<std::int64_t>(second));
    EXPECT_GT(history.pendingBuckets(), 0u) << "nothing written within the first minute";
    EXPECT_FALSE(std::filesystem::exists(file()));
    history.measured(kBeforeMidnightMs + 60'000, 60'000, 1, 1, 60);
    EXPECT_EQ(history.pendingBuckets(), 0u) << "written after a minute";
    UsageStore store(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    const auto calls = store.connections(0, 1LL << 40);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].end.has_value()) << "still up";
    EXPECT_EQ(calls[0].sent, 60);
    history.measured(kBeforeMidnightMs + 61'000, 61'000, 1, 1, 61);
    history.disconnected(kBeforeMidnightMs + 61'000);
    const auto ended = store.connections(0, 1LL << 40);
    ASSERT_EQ(ended.size(), 1u) << "the same record, ended";
    EXPECT_EQ(ended[0].end, kBeforeMidnightMs / 1000 + 61);
    EXPECT_EQ(ended[0].sent, 61);
    EXPECT_EQ(ended[0].duration, 61);
}

TEST_F(Recorder, AHistoryRemovedOrMovedWhileOpenIsSaidAndStartedAnew)
{
    // Guards against writing on into a removed file, or into the moved copy.
    const auto moved = file().parent_path() / "moved.sqlite3";
    for (const bool remove : { true, false }) {
        SCOPED_TRACE(remove ? "removed" : "moved");
        said.clear();
        std::filesystem::remove(file());
        auto history = recorder();
        history.connected(call(), kBeforeMidnightMs, 0);
        std::uint64_t second = 0;
        const auto minute = [&] {
            for (int i = 0; i < 60; ++i) {
                ++second;
                history.measured(kBeforeMidnightMs + static_cast<std::int64_t>(second) * 1000,
                    second * 1000, 1, 2, static_cast<std::int64_t>(second));
            }
        };
        minute();
        ASSERT_TRUE(std::filesystem::exists(file()));
        if (remove)
            std::filesystem::remove(file());
        else
            std::filesystem::rename(file(), moved);
        minute();
        minute();
        history.disconnected(kBeforeMidnightMs + static_cast<std::int64_t>(second) * 1000);
        ASSERT_EQ(said.size(), 1u) << "said once";
        EXPECT_EQ(said[0],
            "usage history " + file().string() + " was removed or moved; a new one is started");
        UsageStore store(file(), UsageStore::Mode::ReadOnly);
        ASSERT_EQ(store.open(), "");
        const auto calls = store.connections(0, 1LL << 40);
        ASSERT_EQ(calls.size(), 1u) << "the open connection, in the new history";
        EXPECT_EQ(calls[0].sent, 180) << "its whole figure, as the next write gives it";
        EXPECT_TRUE(calls[0].end.has_value());
        const auto rows = days();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].sent, 120) << "the bytes since the last write before the move";
        if (!remove) {
            UsageStore old(moved, UsageStore::Mode::ReadOnly);
            ASSERT_EQ(old.open(), "");
            EXPECT_EQ(usage::report(old.buckets(0, 1LL << 40), Period::Day).at(0).sent, 60)
                << "the moved copy is left as it was";
        }
    }
}

TEST_F(Recorder, AnUnwritableHistoryIsSaidOnceAndRecordingGoesOn)
{
    std::filesystem::create_directories(file().parent_path());
    std::filesystem::create_directory(file()); // a folder where the file should be
    auto history = recorder();
    for (int call_ = 0; call_ < 3; ++call_) {
        history.connected(call(), kBeforeMidnightMs + call_ * 100'000, 0);
        history.measured(kBeforeMidnightMs + call_ * 100'000 + 1000, 1000, 1, 1, 1);
        history.disconnected(kBeforeMidnightMs + call_ * 100'000 + 1000);
    }
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(file().string()), std::string::npos) << said[0];
    EXPECT_NE(said[0].find("monitoring goes on"), std::string::npos) << said[0];
    EXPECT_EQ(history.pendingBuckets(), 0u) << "nothing piles up in memory";

    // The way is clear again: the next connection is recorded, without a restart.
    std::filesystem::remove(file());
    history.connected(call("Later"), kBeforeMidnightMs + 400'000, 0);
    history.measured(kBeforeMidnightMs + 401'000, 1000, 5, 7, 1);
    history.disconnected(kBeforeMidnightMs + 401'000);
    UsageStore store(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    const auto calls = store.connections(0, 1LL << 40);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "Later");
    EXPECT_EQ(calls[0].received, 7);
    EXPECT_EQ(said.size(), 1u) << "nothing more to say";
}

TEST_F(Recorder, WrittenAndUnwrittenBytesAddUpToEveryByteAtEveryTick)
{
    // Guards against a figure read from the store alone, up to a minute behind the tray's.
    auto history = recorder();
    history.connected(call("A"), kBeforeMidnightMs, 0);
    std::int64_t wall = kBeforeMidnightMs;
    std::int64_t received = 0;
    std::uint64_t generation = history.pendingGeneration();
    int handedOver = 0;
    for (std::uint64_t mono = 2000; mono <= 150'000; mono += 2000) {
        wall += 2000;
        history.measured(wall, mono, 10, 1000, static_cast<std::int64_t>(mono / 1000));
        received += 1000;
        if (history.pendingGeneration() != generation) {
            generation = history.pendingGeneration();
            ++handedOver;
            EXPECT_EQ(history.pendingBuckets(), 0u) << "what was held went with the count";
        }
        std::optional<UsageStore> store;
        if (std::filesystem::exists(file())) {
            store.emplace(file(), UsageStore::Mode::ReadOnly);
            ASSERT_EQ(store->open(), "");
        }
        const std::int64_t from = kMidnight - 86400;
        const auto all = usage::sumsWithUnwritten(
            store ? &*store : nullptr, history.pending(), from, from + 2 * 86400, {});
        const auto named = usage::sumsWithUnwritten(
            store ? &*store : nullptr, history.pending(), from, from + 2 * 86400, "A");
        const auto other = usage::sumsWithUnwritten(
            store ? &*store : nullptr, history.pending(), from, from + 2 * 86400, "B");
        const auto totalOf = [](const std::vector<usage::Bucket>& buckets) {
            std::int64_t total = 0;
            for (const auto& bucket : buckets)
                total += bucket.received;
            return total;
        };
        ASSERT_EQ(totalOf(all), received) << "at " << mono << " ms";
        ASSERT_EQ(totalOf(named), received) << "at " << mono << " ms";
        ASSERT_EQ(totalOf(other), 0) << "at " << mono << " ms";
        const auto beforeMidnight = usage::sumsWithUnwritten(
            store ? &*store : nullptr, history.pending(), kMidnight - 86400, kMidnight, {});
        EXPECT_EQ(totalOf(beforeMidnight), std::min<std::int64_t>(received, 30'000))
            << "the range is kept: the minute before midnight and no more";
    }
    EXPECT_EQ(handedOver, 2) << "a write a minute";
}

TEST_F(Recorder, TwoConnectionsInOneMinuteAreTwoRecords)
{
    auto history = recorder();
    history.connected(call("A"), kBeforeMidnightMs, 0);
    history.measured(kBeforeMidnightMs + 1000, 1000, 5, 5, 1);
    history.connected(call("B"), kBeforeMidnightMs + 2000, 2000);
    history.measured(kBeforeMidnightMs + 3000, 3000, 7, 7, 1);
    history.flush();
    UsageStore store(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    const auto calls = store.connections(0, 1LL << 40);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, "A");
    EXPECT_TRUE(calls[0].end.has_value()) << "a new connection ends the previous one";
    EXPECT_EQ(calls[1].name, "B");
    EXPECT_EQ(store.buckets(0, 1LL << 40, "B").at(0).sent, 7);
}

} // namespace

TEST_F(Recorder, AStartThatNeverWritesStillEndsTheRecordAKilledRunLeftOpen)
{
    // Guards against a record left open for good when the run after a kill never connects.
    {
        auto killed = recorder();
        killed.connected(call(), kBeforeMidnightMs, 0);
        killed.measured(kBeforeMidnightMs + 60'000, 60'000, 100, 200, 60);
    } // killed: never disconnected, never flushed again
    auto next = recorder();
    next.closeLeftOpen();
    UsageStore store(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    const auto records = store.connections(0, 1LL << 40);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_TRUE(records[0].end.has_value());
    EXPECT_EQ(*records[0].end, records[0].start + 60);
    EXPECT_TRUE(said.empty());
}
