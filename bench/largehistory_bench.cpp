// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI thread's time on a large usage history: the recorder's first write on a history of
// 3.5 million fine rows never merged into days and on a year of a million connections, and the
// usage window opened and refreshed on that year. Each figure is the longest the GUI thread was
// held at once: the call itself, or one pass of the event loop while the window's data came in.
#include "core/usagewindow.h"
#include "scratchfolder.h"
#include "usage/usagerecorder.h"
#include "usage/usagestore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr double kTargetMs = 100;

std::filesystem::path scratch()
{
    static const std::filesystem::path folder = bench::newScratchFolder("vantrel-large-bench");
    return folder;
}

// `count` rows a write, so that building the history holds no more than that in memory.
void writeInSteps(usage::UsageStore& store, std::int64_t count,
    const std::function<void(
        std::int64_t, std::vector<usage::ConnectionRecord>&, std::vector<usage::Bucket>&)>& make)
{
    constexpr std::int64_t kStep = 100'000;
    for (std::int64_t from = 0; from < count; from += kStep) {
        std::vector<usage::ConnectionRecord> calls;
        std::vector<usage::Bucket> buckets;
        for (std::int64_t i = from; i < std::min(count, from + kStep); ++i)
            make(i, calls, buckets);
        store.write(calls, buckets);
    }
}

// 3.5 million quarter hours of twenty names, all older than the recorder keeps fine.
std::filesystem::path unmergedHistory(std::int64_t now)
{
    const auto file = scratch() / "unmerged.sqlite3";
    usage::UsageStore store(file, usage::UsageStore::Mode::ReadWrite);
    store.open();
    const std::int64_t perName = 175'000;
    const std::int64_t first = (now - 40 * 86400 - perName * usage::kFineSpan) / 900 * 900;
    writeInSteps(store, 20 * perName, [&](std::int64_t i, auto&, auto& buckets) {
        buckets.push_back({ "Entry " + std::to_string(i % 20), first + i / 20 * usage::kFineSpan,
            usage::kFineSpan, 100, 900 });
    });
    return file;
}

// A million connections over the last year, each with its quarter hour.
std::filesystem::path busyYear(std::int64_t now)
{
    const auto file = scratch() / "busy.sqlite3";
    usage::UsageStore store(file, usage::UsageStore::Mode::ReadWrite);
    store.open();
    const std::int64_t count = 1'000'000;
    const std::int64_t first = now - 365 * 86400;
    writeInSteps(store, count, [&](std::int64_t i, auto& calls, auto& buckets) {
        const std::int64_t start = first + i * 31;
        const std::string name = "Entry " + std::to_string(i % 20);
        calls.push_back(
            { 0, name, "modem", "ttyS0", start, start + 30, 2000, 18000, 30, "10.64.1.7", "" });
        buckets.push_back({ name, start / 900 * 900, usage::kFineSpan, 2000, 18000 });
    });
    return file;
}

void printRow(const char* figure, double ms)
{
    std::printf("%-48s %9.1f ms %12s %8s %6.0f ms %s\n", figure, ms, "-", "-", kTargetMs,
        ms <= kTargetMs ? "yes" : "NO");
}

// The longest single pass of the event loop until `done` holds, or 60 s.
double longestPassUntil(const std::function<bool()>& done)
{
    double longest = 0;
    QElapsedTimer overall;
    overall.start();
    while (!done() && overall.elapsed() < 60'000) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        longest = std::max(longest, static_cast<double>(pass.nsecsElapsed()) / 1e6);
    }
    return longest;
}

double firstWrite(const std::filesystem::path& history, std::int64_t now)
{
    usage::UsageRecorder recorder(history, [](const std::string&) {});
    usage::ConnectionRecord call;
    call.name = "Entry 0";
    recorder.connected(call, now * 1000, 1);
    double longest = 0;
    // The first minute's write, then a minute more: merging may go on in the ticks after it.
    for (std::uint64_t second = 1; second <= 120; ++second) {
        QElapsedTimer tick;
        tick.start();
        recorder.measured(now * 1000 + static_cast<std::int64_t>(second) * 1000, 1 + second * 1000,
            1200, 5400, static_cast<std::int64_t>(second));
        longest = std::max(longest, static_cast<double>(tick.nsecsElapsed()) / 1e6);
        longest = std::max(longest, longestPassUntil([] { return true; }));
    }
    return longest;
}

double windowShown(const std::filesystem::path& history)
{
    QElapsedTimer opening;
    opening.start();
    UsageWindow window(history);
    double longest = static_cast<double>(opening.nsecsElapsed()) / 1e6;
    const auto* table = window.findChild<QTableView*>();
    longest = std::max(longest, longestPassUntil([&] { return table->model()->rowCount() > 0; }));
    // The refresh each minute: the same reads again.
    QElapsedTimer refresh;
    refresh.start();
    window.reload();
    longest = std::max(longest, static_cast<double>(refresh.nsecsElapsed()) / 1e6);
    longest = std::max(longest, longestPassUntil([&] { return !window.reloading(); }));
    return longest;
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("VANTREL_SOURCE", "none", 1);
    ::setenv("XDG_CONFIG_HOME", scratch().c_str(), 1);
    ::setenv("XDG_STATE_HOME", scratch().c_str(), 1);
    QApplication application(argc, argv);
    const std::int64_t now = std::time(nullptr);
    std::fprintf(stderr, "building the histories\n");
    const auto unmerged = unmergedHistory(now);
    const auto busy = busyYear(now);
    std::printf(
        "%-48s %12s %12s %8s %9s %s\n", "figure", "ours", "floor/peer", "ratio", "target", "met");
    printRow("usage: first write, 3.5 M unmerged rows, GUI", firstWrite(unmerged, now));
    printRow("usage: first write, 1 M connections, GUI", firstWrite(busy, now));
    printRow("usage: window shown, 1 M connections, GUI", windowShown(busy));
    std::filesystem::remove_all(scratch());
    return 0;
}
