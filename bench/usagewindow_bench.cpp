// SPDX-License-Identifier: GPL-3.0-or-later
// The usage window's read of the history and its first picture, on ten years of history for
// twenty entry names beside the same on one year: both show the same twelve months, so what
// is kept beyond them must cost next to nothing.
#include "comparison.h"
#include "core/usagechart.h"
#include "core/usagewindow.h"
#include "scratchfolder.h"
#include "usage/usagestore.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

constexpr int kNames = 20;

std::filesystem::path folder()
{
    static const std::filesystem::path made = bench::newScratchFolder("vantrel-window-bench");
    return made;
}

// One connection a day for each name up to now, with its bytes in one day bucket beyond the
// last 90 days and in the quarter hour it began within them, as the recorder leaves them.
std::filesystem::path dailyUse(const char* name, int days)
{
    const auto file = folder() / name;
    usage::UsageStore store(file, usage::UsageStore::Mode::ReadWrite);
    store.open();
    const std::int64_t today = std::time(nullptr) / 86400 * 86400;
    std::vector<usage::ConnectionRecord> calls;
    std::vector<usage::Bucket> buckets;
    for (int n = 0; n < kNames; ++n) {
        const std::string entry = "Entry " + std::to_string(n);
        for (int day = days; day >= 0; --day) {
            const std::int64_t start = today - day * 86400 + 9 * 3600 + n * usage::kFineSpan;
            calls.push_back({ 0, entry, "modem", "ttyS0", start, start + 1800, 20'000, 180'000,
                1800, "10.64.1.7", "10.64.0.1" });
            buckets.push_back(day > 90
                    ? usage::Bucket { entry, today - day * 86400, 86400, 20'000, 180'000 }
                    : usage::Bucket { entry, start, usage::kFineSpan, 20'000, 180'000 });
        }
    }
    store.write(calls, buckets);
    return file;
}

void openWindow(benchmark::State& state, const std::filesystem::path& history)
{
    for (auto _ : state) {
        UsageWindow window(history);
        benchmark::DoNotOptimize(window.dailyChart()->render());
    }
}

void WindowOnTenYears(benchmark::State& state)
{
    static const auto file = dailyUse("ten-years.sqlite3", 3652);
    openWindow(state, file);
}

void WindowOnOneYear(benchmark::State& state)
{
    static const auto file = dailyUse("one-year.sqlite3", 365);
    openWindow(state, file);
}

BENCHMARK(WindowOnTenYears);
BENCHMARK(WindowOnOneYear);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("VANTREL_SOURCE", "none", 1);
    ::setenv("XDG_CONFIG_HOME", folder().c_str(), 1);
    ::setenv("XDG_STATE_HOME", folder().c_str(), 1);
    QApplication application(argc, argv);
    const int status = bench::runComparisons(argc, argv,
        { { "usage window opened, 10 years x 20 names / 1 year", "WindowOnTenYears",
            "WindowOnOneYear", 2.0 } });
    std::filesystem::remove_all(folder());
    return status;
}
