// SPDX-License-Identifier: GPL-3.0-or-later
// One poll's access-layer work on the Linux source with one live link, beside the bare system
// calls that work needs (the link's two counter reads and its flags), in the same run.
#include "access/rasapi.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "comparison.h"
#include "platform/linux/linuxsource.h"
#include "platform/runtime.h"
#include "tests/support/tunlink.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::filesystem::path sysRoot;

struct Monitor
{
    TRasCon rasCon;
    TRasPer rasPer;
};

Monitor* monitor = nullptr;

void AccessLayerPoll(benchmark::State& state)
{
    QString name;
    QString text;
    for (auto _ : state) {
        monitor->rasCon.ListConnections(name);
        monitor->rasPer.SetSlotHandle(1, monitor->rasCon.ActiveHandle);
        monitor->rasCon.PollConnectStatus(monitor->rasCon.ActiveHandle, 0, text);
        monitor->rasPer.RefreshStatistics();
        benchmark::DoNotOptimize(monitor->rasPer.SlotXmit(0) + monitor->rasPer.SlotRecv(0));
    }
    if (monitor->rasCon.StateCode != 8192)
        state.SkipWithError("the link is not connected");
}

void readFile(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[64];
    benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
    ::close(fd);
}

void BareSystemCalls(benchmark::State& state)
{
    const auto link = sysRoot / "class" / "net" / testing_support::TunLink::kInterface;
    for (auto _ : state) {
        readFile(link / "statistics" / "tx_bytes");
        readFile(link / "statistics" / "rx_bytes");
        readFile(link / "flags");
    }
}

BENCHMARK(AccessLayerPoll);
BENCHMARK(BareSystemCalls);

} // namespace

int main(int argc, char** argv)
{
    if (const std::string reason = testing_support::TunLink::unavailable(); !reason.empty()) {
        std::printf("access_bench: skipped: %s\n", reason.c_str());
        return 0;
    }
    testing_support::TunLink link;
    if (!link.createNamespace()) {
        std::printf("access_bench: skipped: cannot create a network namespace\n");
        return 0;
    }
    const pid_t child = fork();
    if (child == 0) {
        QCoreApplication application(argc, argv);
        sysRoot = std::filesystem::temp_directory_path()
            / ("vantrel-bench-sys-" + std::to_string(getpid()));
        std::string problem;
        const int tun = link.open(sysRoot, problem);
        if (tun < 0) {
            std::fprintf(stderr, "access_bench: %s\n", problem.c_str());
            _exit(1);
        }
        platform::Runtime::install(std::make_unique<platform::Runtime>(
            std::make_unique<platform::LinuxSource>(
                platform::LinuxSource::Roots { sysRoot, "/proc", "/etc", "/run" },
                std::make_unique<platform::SystemAddressReader>(), [] { return std::string(); }),
            std::filesystem::temp_directory_path()
                / ("vantrel-bench-config-" + std::to_string(getpid()))));
        Monitor poll;
        monitor = &poll;
        LoadRasApi();
        poll.rasPer.StartStatistics(true, true);
        // Wait for the kernel to report the link running before measuring.
        QString name;
        QString text;
        for (int attempt = 0; attempt < 50 && poll.rasCon.StateCode != 8192; ++attempt) {
            poll.rasCon.ListConnections(name);
            poll.rasCon.PollConnectStatus(poll.rasCon.ActiveHandle, 0, text);
            usleep(100000);
        }
        const int status = bench::runComparisons(argc, argv,
            { { "access-layer poll / bare counter and flag reads", "AccessLayerPoll",
                "BareSystemCalls", 3.0 } });
        std::fflush(stdout);
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
