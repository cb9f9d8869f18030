// SPDX-License-Identifier: GPL-3.0-or-later
// A measure tick of the status poll (access layer, figures, labels and graphs, without painting)
// beside the access-layer work alone; the usage recording a tick does; one paint of each graph
// beside the bare QPainter calls that draw the same picture. All in the same run.
#include "access/rasapi.h"
#include "comparison.h"
#include "components/trend.h"
#include "core/mainform.h"
#include "platform/clock.h"
#include "platform/runtime.h"
#include "platform/sim/simulatorsource.h"
#include "platform/xdg.h"
#include "usage/usagerecorder.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <valgrind/callgrind.h>

namespace {

platform::ManualClock* virtualClock = nullptr;
TMainForm* mainForm = nullptr;

platform::Scenario steadyConnection()
{
    platform::Scenario scenario;
    platform::Scenario::Connection connection;
    connection.name = "MyISP";
    connection.states = { { 0, 8192 } };
    connection.clientIp = "10.64.1.7";
    connection.serverIp = "10.64.0.1";
    connection.traffic = { { 0, 1e9, 1200, 5400 } };
    scenario.connections.push_back(connection);
    scenario.dnsServers = { "10.0.0.1" };
    return scenario;
}

void measureTick()
{
    virtualClock->advance(1000);
    mainForm->TimerStatusTimer();
}

void MeasureTick(benchmark::State& state)
{
    for (auto _ : state)
        measureTick();
    if (!mainForm->poll().Online)
        state.SkipWithError("the connection is not up");
}

// What a tick asks of the access layer, and nothing else.
void accessLayerWork()
{
    static TRasCon rasCon;
    static TRasPer rasPer;
    QString name;
    QString text;
    virtualClock->advance(1000);
    rasCon.ListConnections(name);
    rasPer.SetSlotHandle(1, rasCon.ActiveHandle);
    rasCon.PollConnectStatus(rasCon.ActiveHandle, 0, text);
    rasPer.RefreshStatistics();
    benchmark::DoNotOptimize(rasPer.SlotXmit(0) + rasPer.SlotRecv(0));
}

void AccessLayerWork(benchmark::State& state)
{
    for (auto _ : state)
        accessLayerWork();
}

// What a tick asks of the usage history: the call the measure tick makes, on a recorder of its
// own with its own file, so its once-a-minute writes come as often as in the tick.
void recordingOfATick()
{
    static usage::UsageRecorder recorder = [] {
        usage::UsageRecorder made(
            platform::xdg::dataHome() / "recording.sqlite3", [](const std::string&) {});
        usage::ConnectionRecord call;
        call.name = "MyISP";
        made.connected(call, platform::wallClockMs(), 1);
        made.flush(); // the history is opened once, at the first write, not in every tick
        return made;
    }();
    static std::uint64_t monotonicMs = 1;
    static std::int64_t duration = 0;
    monotonicMs += 1000;
    recorder.measured(platform::wallClockMs() + static_cast<std::int64_t>(monotonicMs), monotonicMs,
        1200, 5400, ++duration);
}

TTrend* filledGraph(int width, int height, int divisions, int borderWidth)
{
    auto* trend = new TTrend;
    trend->resize(width, height);
    trend->SetDivisions(divisions);
    trend->SetBorderWidth(borderWidth);
    trend->SetMaxVal(7000);
    for (int i = 0; i < divisions; ++i) {
        trend->AddDataA(static_cast<std::int32_t>(QRandomGenerator::global()->bounded(7000)));
        trend->AddDataB(static_cast<std::int32_t>(QRandomGenerator::global()->bounded(7000)));
    }
    return trend;
}

// The same picture with nothing but QPainter: background, frame and the twin bars of each slot.
void paintBare(const TTrend& trend)
{
    const int w = trend.width();
    const int h = trend.height();
    const int bw = trend.BorderWidth();
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, trend.palette().color(QPalette::Button));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, w - 1, h - 1);
    for (int i = 0; i < trend.Divisions(); ++i) {
        const int a = static_cast<int>(
            std::int64_t { trend.dataA()[static_cast<std::size_t>(i)] } * (h - 2 * bw) / 7000);
        const int b = static_cast<int>(
            std::int64_t { trend.dataB()[static_cast<std::size_t>(i)] } * (h - 2 * bw) / 7000);
        painter.fillRect(bw + i, h - bw - a, 1, a, Qt::green);
        painter.fillRect(bw + i, h - bw - b, 1, b, Qt::red);
        if (b > a)
            painter.fillRect(bw + i, h - bw - a, 1, a, Qt::green);
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
}

void drawBare(const TTrend& trend, benchmark::State& state)
{
    for (auto _ : state)
        paintBare(trend);
}

TTrend& mainGraph()
{
    static TTrend* trend = filledGraph(240, 50, 238, 1);
    return *trend;
}

void MainGraphPaint(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mainGraph().render().constBits());
}

void MainGraphBare(benchmark::State& state)
{
    drawBare(mainGraph(), state);
}

void MonitorGraphPaint(benchmark::State& state)
{
    static TTrend* trend = filledGraph(102, 20, 102, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(trend->render().constBits());
}

void MonitorGraphBare(benchmark::State& state)
{
    static TTrend* trend = filledGraph(102, 20, 102, 0);
    drawBare(*trend, state);
}

BENCHMARK(MeasureTick);
BENCHMARK(AccessLayerWork);
BENCHMARK(MainGraphPaint);
BENCHMARK(MainGraphBare);
BENCHMARK(MonitorGraphPaint);
BENCHMARK(MonitorGraphBare);

// Runs one workload `runs` times with callgrind counting only those runs (bench/run starts this
// under valgrind with collection off), so instruction counts do not depend on a noisy machine.
int countInstructions(const std::string& workload, int runs)
{
    const std::map<std::string, std::function<void()>> workloads {
        { "tick", measureTick },
        { "access", accessLayerWork },
        { "recording", recordingOfATick },
        { "paint", [] { benchmark::DoNotOptimize(mainGraph().render().constBits()); } },
        { "bare", [] { paintBare(mainGraph()); } },
    };
    const auto found = workloads.find(workload);
    if (found == workloads.end() || runs <= 0)
        return 2;
    found->second();
    CALLGRIND_TOGGLE_COLLECT;
    for (int run = 0; run < runs; ++run)
        found->second();
    CALLGRIND_TOGGLE_COLLECT;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    auto manual = std::make_unique<platform::ManualClock>(3600 * 1000);
    virtualClock = manual.get();
    const auto config
        = std::filesystem::temp_directory_path() / ("vantrel-bench-" + std::to_string(getpid()));
    // The tick records usage: into the benchmark's folder, never the user's history.
    setenv("XDG_DATA_HOME", (config / "data").c_str(), 1);
    platform::Runtime::install(std::make_unique<platform::Runtime>(
        std::make_unique<platform::SimulatorSource>(steadyConnection(), "bench", std::move(manual)),
        config));
    TMainForm form(config / "vantrel");
    mainForm = &form;
    form.FormCreate();
    // Past the first minute online, so the usage history, opened at the first write, is open.
    for (int i = 0; i < 62; ++i) {
        virtualClock->advance(1000);
        form.TimerStatusTimer();
    }
    if (argc == 4 && std::string(argv[1]) == "--instructions") {
        const int status = countInstructions(argv[2], std::atoi(argv[3]));
        std::filesystem::remove_all(config);
        return status;
    }
    const int status = bench::runComparisons(argc, argv,
        {
            { "measure tick / its access-layer work", "MeasureTick", "AccessLayerWork", 2.0 },
            { "paint of the 240 x 50 graph / bare QPainter", "MainGraphPaint", "MainGraphBare",
                1.5 },
            { "paint of the 102 x 20 graph / bare QPainter", "MonitorGraphPaint",
                "MonitorGraphBare", 1.5 },
        });
    std::filesystem::remove_all(config);
    return status;
}
