// SPDX-License-Identifier: GPL-3.0-or-later
// The usage history: a flush of one minute's recording beside the bare SQLite statements it
// comes down to, and the daily and monthly reports on ten years of history for twenty entry
// names beside the same reports on one month.
#include "comparison.h"
#include "scratchfolder.h"
#include "usage/usagerecorder.h"
#include "usage/usagereport.h"
#include "usage/usagestore.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>

namespace {

constexpr std::int64_t kNow = 1774742400; // 2026-03-29 00:00 UTC
constexpr int kNames = 20;

std::filesystem::path scratch()
{
    static const std::filesystem::path folder = bench::newScratchFolder("vantrel-bench");
    return folder;
}

// A history of `days` days for twenty names: fine buckets for the last 90, days before.
std::filesystem::path history(const char* name, std::int64_t days)
{
    const auto file = scratch() / name;
    usage::UsageStore store(file, usage::UsageStore::Mode::ReadWrite);
    store.open();
    std::vector<usage::ConnectionRecord> none;
    std::vector<usage::Bucket> buckets;
    for (int n = 0; n < kNames; ++n) {
        const std::string entry = "Entry " + std::to_string(n);
        for (std::int64_t day = days; day > 0; --day) {
            const std::int64_t start = kNow - day * 86400;
            if (day > usage::UsageRecorder::kFineDays) {
                buckets.push_back({ entry, start, 86400, 1000, 9000 });
                continue;
            }
            for (std::int64_t at = start; at < start + 86400; at += usage::kFineSpan)
                buckets.push_back({ entry, at, usage::kFineSpan, 10, 90 });
        }
    }
    store.write(none, buckets);
    return file;
}

void report(benchmark::State& state, const std::filesystem::path& file, usage::Period period,
    std::int64_t from)
{
    usage::UsageStore store(file, usage::UsageStore::Mode::ReadOnly);
    store.open();
    for (auto _ : state)
        benchmark::DoNotOptimize(usage::report(store.sums(from, kNow), period));
}

const std::filesystem::path& tenYears()
{
    static const auto file = history("ten-years.sqlite3", 3653);
    return file;
}

const std::filesystem::path& oneMonth()
{
    static const auto file = history("one-month.sqlite3", 31);
    return file;
}

void DaysOnTenYears(benchmark::State& state)
{
    report(state, tenYears(), usage::Period::Day, kNow - 31 * 86400);
}
void DaysOnOneMonth(benchmark::State& state)
{
    report(state, oneMonth(), usage::Period::Day, kNow - 31 * 86400);
}
void MonthsOnTenYears(benchmark::State& state)
{
    report(state, tenYears(), usage::Period::Month, kNow - 365 * 86400);
}
void MonthsOnOneMonth(benchmark::State& state)
{
    report(state, oneMonth(), usage::Period::Month, kNow - 365 * 86400);
}

// One minute of one connection: sixty ticks, then the flush they make.
void RecorderMinute(benchmark::State& state)
{
    usage::UsageRecorder recorder(scratch() / "recorder.sqlite3", [](const std::string&) {});
    usage::ConnectionRecord call;
    call.name = "Entry 0";
    std::int64_t wall = kNow * 1000;
    std::uint64_t mono = 1;
    recorder.connected(call, wall, mono);
    for (auto _ : state) {
        for (int tick = 0; tick < 60; ++tick) {
            wall += 1000;
            mono += 1000;
            recorder.measured(wall, mono, 1200, 5400, static_cast<std::int64_t>(mono / 1000));
        }
    }
}

// The statements that minute comes down to, prepared once: a transaction updating the record
// and adding to one bucket.
void SqliteMinute(benchmark::State& state)
{
    const auto file = scratch() / "bare.sqlite3";
    {
        usage::UsageStore store(file, usage::UsageStore::Mode::ReadWrite);
        store.open();
        std::vector<usage::ConnectionRecord> calls(1);
        calls[0].name = "Entry 0";
        store.write(calls, {});
    }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
    sqlite3_stmt* update = nullptr;
    sqlite3_prepare_v2(db,
        "UPDATE connections SET end = ?2, sent = ?3, received = ?4, duration = ?5 WHERE id = ?1",
        -1, &update, nullptr);
    sqlite3_stmt* add = nullptr;
    sqlite3_prepare_v2(db,
        "INSERT INTO buckets (name, start, span, sent, received) VALUES (?1, ?2, 900, ?3, ?4) "
        "ON CONFLICT (name, start, span) DO UPDATE SET sent = sent + excluded.sent, "
        "received = received + excluded.received",
        -1, &add, nullptr);
    std::int64_t minute = 0;
    for (auto _ : state) {
        ++minute;
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_bind_int64(update, 1, 1);
        sqlite3_bind_null(update, 2);
        sqlite3_bind_int64(update, 3, minute * 72000);
        sqlite3_bind_int64(update, 4, minute * 324000);
        sqlite3_bind_int64(update, 5, minute * 60);
        sqlite3_step(update);
        sqlite3_reset(update);
        sqlite3_bind_text(add, 1, "Entry 0", -1, nullptr);
        sqlite3_bind_int64(add, 2, kNow + minute / 15 * 900);
        sqlite3_bind_int64(add, 3, 72000);
        sqlite3_bind_int64(add, 4, 324000);
        sqlite3_step(add);
        sqlite3_reset(add);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(update);
    sqlite3_finalize(add);
    sqlite3_close(db);
}

BENCHMARK(DaysOnTenYears);
BENCHMARK(DaysOnOneMonth);
BENCHMARK(MonthsOnTenYears);
BENCHMARK(MonthsOnOneMonth);
BENCHMARK(RecorderMinute);
BENCHMARK(SqliteMinute);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("TZ", "UTC", 1);
    const int status = bench::runComparisons(argc, argv,
        {
            { "usage: daily report, 10 years x 20 names / 1 month", "DaysOnTenYears",
                "DaysOnOneMonth", 2.0 },
            { "usage: monthly report, 10 years x 20 names / 1 month", "MonthsOnTenYears",
                "MonthsOnOneMonth", 2.0 },
            { "usage: a minute of recording and its flush / bare SQLite", "RecorderMinute",
                "SqliteMinute", 2.0 },
        });
    std::filesystem::remove_all(scratch());
    return status;
}
