// SPDX-License-Identifier: GPL-3.0-or-later
// What the interfaces it does not show cost the monitor: the real program in its usual state
// (Linux source, started minimised), watching a tun link in a namespace of this benchmark's own,
// its CPU time over a quiet minute with that link and loopback alone, then over one with 299 veth
// pairs beside them, as on a host of containers (the quieter of two minutes each). Nothing but the
// count differs. It runs offscreen, where there is no tray and so it minimises to the taskbar:
// idle, that costs what the tray does on an X desktop, without an X server and tray host to start.
#include "processcpu.h"
#include "tests/support/tunlink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing_support::TunLink;

constexpr int kVethPairs = 299;
constexpr int kWarmUpSeconds = 5;
constexpr double kTarget = 1.1;

// Where the holder mounts the namespace's sysfs, in a mount namespace of its own: here, an empty
// folder to remove.
std::filesystem::path sysRoot(pid_t holder)
{
    return std::filesystem::temp_directory_path()
        / ("vantrel-interfaces-bench-sys-" + std::to_string(holder));
}

// The link's holder, in a child process: keeps the tun file open, and so the link up, until it
// is killed. No traffic: the minute is a quiet one.
pid_t holdLink(TunLink& link, std::string& problem)
{
    int ready[2];
    if (pipe(ready) != 0) {
        problem = "no pipe";
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        std::string why;
        const int tun = link.open(sysRoot(getpid()), why);
        // The veths to come get no IPv6: its autoconfiguration would talk on them for seconds
        // after they come up, and the minute would not be quiet.
        std::ofstream("/proc/sys/net/ipv6/conf/default/disable_ipv6") << "1\n";
        const char status = tun >= 0 ? '1' : '0';
        [[maybe_unused]] auto written = write(ready[1], &status, 1);
        if (tun < 0)
            _exit(1);
        for (;;)
            pause();
    }
    close(ready[1]);
    char status = '0';
    [[maybe_unused]] auto got = read(ready[0], &status, 1);
    close(ready[0]);
    if (status != '1') {
        waitpid(child, nullptr, 0);
        problem = "cannot make the tun link in the namespace";
        return -1;
    }
    return child;
}

// Runs `ip` with `arguments` to its end; its standard output, or nothing when it failed.
std::optional<QString> ip(const QStringList& arguments)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start("ip", arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int interfaceCount(const QString& netns)
{
    const auto links = ip({ "-n", netns, "-o", "link", "show" });
    return links ? static_cast<int>(links->count(QLatin1Char('\n'))) : 0;
}

// The veth pairs, made and brought up by one `ip -batch` in a fraction of a second; an `ip` for
// each command would take seconds.
bool addVethPairs(const QString& netns, const QString& folder)
{
    QFile batch(folder + "/veths.batch");
    if (!batch.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < kVethPairs; ++i)
        batch.write(
            QStringLiteral("link add vbench%1a type veth peer name vbench%1b\n").arg(i).toLatin1());
    for (int i = 0; i < kVethPairs; ++i)
        batch.write(
            QStringLiteral("link set vbench%1a up\nlink set vbench%1b up\n").arg(i).toLatin1());
    batch.close();
    return ip({ "-n", netns, "-batch", batch.fileName() }).has_value();
}

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(3000);
}

// A fresh monitor in the usual state, inside the namespace (where `ip netns exec` mounts the
// namespace's own /sys), once it has seen the link connected and settled: its CPU milliseconds
// over `seconds`, scaled to a minute; nothing, with `problem` set, when it did not get there.
std::optional<double> quietMinute(
    const QString& program, const QString& netns, int seconds, std::string& problem)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath("state");
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS" })
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VANTREL_SOURCE", "linux");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_STATE_HOME", home.path() + "/state");
    environment.insert("XDG_RUNTIME_DIR", home.path());
    environment.insert("LC_ALL", "C.UTF-8");
    for (const char* option : { "StartMinimized", "MinimizeToTray" }) {
        QProcess reg;
        reg.setProcessEnvironment(environment);
        reg.start(VANTREL_REG_BINARY,
            { "set", R"(HKCU\Software\Orvik Software\Vantrel\Option)", option, "--dword", "1" });
        if (!reg.waitForFinished(10000) || reg.exitCode() != 0) {
            problem = std::string("vantrel-reg could not set ") + option;
            return std::nullopt;
        }
    }
    // Its log says when it has seen the link connected; nothing more is logged in a quiet minute.
    environment.insert("QT_LOGGING_RULES", "vantrel.log.info=true");
    QProcess monitor;
    monitor.setProcessEnvironment(environment);
    monitor.setStandardOutputFile(QProcess::nullDevice());
    monitor.setProcessChannelMode(QProcess::SeparateChannels);
    // `ip netns exec` execs the program: the process started is the monitor itself.
    monitor.start("ip", { "netns", "exec", netns, program });
    const QByteArray connected = QByteArray(TunLink::kInterface) + " connected.";
    QByteArray log;
    QDeadlineTimer deadline(30000);
    while (!log.contains(connected) && monitor.state() != QProcess::NotRunning
        && !deadline.hasExpired()) {
        monitor.waitForReadyRead(200);
        log += monitor.readAllStandardError();
    }
    if (!log.contains(connected)) {
        stop(monitor);
        log += monitor.readAllStandardError();
        const QByteArray said = log.trimmed().split('\n').last();
        problem = "the monitor did not see the link connected"
            + (said.isEmpty() ? std::string() : ": " + said.toStdString());
        return std::nullopt;
    }
    QThread::sleep(kWarmUpSeconds);
    const qint64 pid = monitor.processId();
    const double start = bench::cpuMs(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double used = bench::cpuMs(pid) - start;
    const bool ran = !monitor.waitForFinished(0);
    stop(monitor);
    if (!ran) {
        problem = "the monitor ended during the minute";
        return std::nullopt;
    }
    return used * 60 / seconds;
}

void printAbsolute(const std::string& figure, double ms)
{
    std::printf("%-48s %9.0f %-3s %12s %8s %8s %s\n", figure.c_str(), ms, "ms", "-", "-", "-", "-");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    // bench/run passes its own arguments to every benchmark; only --seconds=N and --program=PATH
    // (another build of the monitor, to compare) are this one's.
    int seconds = 60;
    QString program = QStringLiteral(VANTREL_BINARY);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with("--seconds=")) {
            int asked = 0;
            std::from_chars(argument.data() + 10, argument.data() + argument.size(), asked);
            seconds = std::max(5, asked);
        } else if (argument.starts_with("--program=")) {
            program = QString::fromLocal8Bit(argv[i] + 10);
        }
    }
    std::printf(
        "%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "floor", "ratio", "target", "met");
    const std::string figure
        = "CPU of a quiet minute, " + std::to_string(2 + 2 * kVethPairs) + " / 2 interfaces";
    const auto notMeasured = [&figure](const std::string& why) {
        std::printf("%-48s (not measured: %s)\n", figure.c_str(), why.c_str());
        return 0;
    };
    if (const std::string reason = TunLink::unavailable(); !reason.empty())
        return notMeasured("no tun link: " + reason);
    TunLink link;
    if (!link.createNamespace())
        return notMeasured("no tun link: cannot create a network namespace");
    std::string problem;
    const pid_t holder = holdLink(link, problem);
    if (holder < 0)
        return notMeasured(problem);
    const QString netns = QStringLiteral("vantrel-%1").arg(getpid());
    const auto release = [holder] {
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        std::error_code ignored;
        std::filesystem::remove(sysRoot(holder), ignored);
    };

    // Each count gets two fresh monitors and keeps the quieter minute: a few milliseconds of the
    // machine's own noise are a large part of a figure this small.
    const auto quieter = [&] {
        const auto first = quietMinute(program, netns, seconds, problem);
        const auto second = first ? quietMinute(program, netns, seconds, problem) : std::nullopt;
        return second ? std::optional(std::min(*first, *second)) : std::nullopt;
    };
    const int fewCount = interfaceCount(netns);
    const auto few = quieter();
    if (!few) {
        release();
        return notMeasured(problem);
    }
    QTemporaryDir scratch;
    if (!addVethPairs(netns, scratch.path())) {
        release();
        return notMeasured("ip could not add the veth pairs");
    }
    const int manyCount = interfaceCount(netns);
    const auto many = quieter();
    release();
    if (!many)
        return notMeasured(problem);

    const double ratio = *many / *few;
    std::printf("%-48s %9.0f %-3s %8.0f %-3s %7.2fx %4s%5.1fx %s\n",
        ("CPU of a quiet minute, " + std::to_string(manyCount) + " / " + std::to_string(fewCount)
            + " interfaces")
            .c_str(),
        *many, "ms", *few, "ms", ratio, "<=", kTarget, ratio <= kTarget ? "yes" : "NO");
    printAbsolute("  ... with " + std::to_string(fewCount) + " interfaces", *few);
    printAbsolute("  ... with " + std::to_string(manyCount) + " interfaces", *many);
    return 0;
}
