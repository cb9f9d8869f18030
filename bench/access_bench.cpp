// SPDX-License-Identifier: GPL-3.0-or-later
// One poll's access-layer work on the Linux source with one live link, beside the bare system
// calls that work needs (the link's two counter reads and its flags), in the same run; and the
// same poll with NetworkManager (python-dbusmock's, on a bus of its own) naming the link, whose
// tick must not touch the bus.
#include "access/rasapi.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "comparison.h"
#include "platform/linux/linuxsource.h"
#include "platform/linux/netlinklinks.h"
#include "platform/linux/networkmanager.h"
#include "platform/runtime.h"
#include "tests/support/mocknetworkmanager.h"
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
// The runtimes of the two polls: the kernel's facts alone, and with NetworkManager.
std::unique_ptr<platform::Runtime> bareRuntime;
std::unique_ptr<platform::Runtime> managedRuntime;

void poll(benchmark::State& state)
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

void AccessLayerPoll(benchmark::State& state)
{
    if (bareRuntime)
        managedRuntime = platform::Runtime::install(std::move(bareRuntime));
    poll(state);
}

void AccessLayerPollWithNetworkManager(benchmark::State& state)
{
    // Neither runtime waiting to be installed: there is no NetworkManager runtime at all.
    if (!managedRuntime && !bareRuntime) {
        state.SkipWithError("no NetworkManager to test with");
        return;
    }
    if (managedRuntime)
        bareRuntime = platform::Runtime::install(std::move(managedRuntime));
    poll(state);
    if (monitor->rasCon.ActiveName != QLatin1String("Work VPN"))
        state.SkipWithError("NetworkManager did not name the link");
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
BENCHMARK(AccessLayerPollWithNetworkManager);
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
        int status = 1;
        { // the mock NetworkManager and its bus stop at the end of this block, before _exit
            const auto configHome = std::filesystem::temp_directory_path()
                / ("vantrel-bench-config-" + std::to_string(getpid()));
            const auto linuxSource = [](platform::LinuxSource::ManagerFactory manager) {
                return std::make_unique<platform::LinuxSource>(
                    platform::LinuxSource::Roots { sysRoot, "/proc", "/etc", "/run" },
                    std::make_unique<platform::NetlinkLinks>(), [] { return std::string(); },
                    nullptr, std::move(manager));
            };
            platform::Runtime::install(
                std::make_unique<platform::Runtime>(linuxSource({}), configHome));
            std::filesystem::create_directories(configHome);
            testing_support::MockNetworkManager networkManager(configHome);
            std::string mockProblem;
            for (const auto& [method, arguments] : std::vector<std::pair<QString, QVariantList>> {
                     { "AddLinkDevice",
                         { "vpn", testing_support::TunLink::kInterface, "tun", 16u, "" } },
                     { "StartConnection", { "vpn", "Work VPN", "tun" } },
                     { "SetLinkState", { "vpn", 100u, 0u, "" } } }) {
                if (networkManager.missing().empty() && mockProblem.empty())
                    mockProblem = networkManager.control(method, arguments);
            }
            if (networkManager.missing().empty() && mockProblem.empty()) {
                managedRuntime = std::make_unique<platform::Runtime>(
                    linuxSource([&networkManager](std::string& why) {
                        return platform::NetworkManagerClient::connect(networkManager.bus(), why);
                    }),
                    configHome);
            } else {
                std::fprintf(stderr, "access_bench: without NetworkManager: %s\n",
                    (networkManager.missing() + mockProblem).c_str());
            }
            Monitor poll;
            monitor = &poll;
            LoadRasApi();
            poll.rasPer.StartStatistics(true, true);
            // Wait for the kernel to report the link running, and NetworkManager to name it, before
            // measuring.
            const auto warmUp = [&poll](const QString& expectedName) {
                QString name;
                QString text;
                poll.rasCon.StateCode = 0;
                for (int attempt = 0;
                     attempt < 50 && (poll.rasCon.StateCode != 8192 || name != expectedName);
                     ++attempt) {
                    QCoreApplication::processEvents();
                    poll.rasCon.ListConnections(name);
                    poll.rasCon.PollConnectStatus(poll.rasCon.ActiveHandle, 0, text);
                    usleep(100000);
                }
            };
            warmUp(QString::fromLatin1(testing_support::TunLink::kInterface));
            if (managedRuntime) {
                bareRuntime = platform::Runtime::install(std::move(managedRuntime));
                warmUp(QStringLiteral("Work VPN"));
                managedRuntime = platform::Runtime::install(std::move(bareRuntime));
            }
            status = bench::runComparisons(argc, argv,
                { { "access-layer poll / bare counter and flag reads", "AccessLayerPoll",
                      "BareSystemCalls", 2.0 },
                    { "same, NetworkManager present / bare reads",
                        "AccessLayerPollWithNetworkManager", "BareSystemCalls", 3.0 } });
            bareRuntime.reset();
            managedRuntime.reset();
            platform::Runtime::install(nullptr);
        }
        std::fflush(stdout);
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
