// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a quiet minute on a desktop: the real monitor on the Linux source, watching a tun
// link this benchmark makes (its own namespace, a holder process, about 500 bytes/s of traffic),
// beside conky showing the same link's address, rates, totals and two rate graphs once a second,
// both on one Xvfb display with openbox and the trayer tray host, over the same minute. CPU time
// and resident memory of each, in two states: main window shown, and the usual
// one (started minimised to the tray: monitor window and tray icon). Wake-ups are the monitor's
// voluntary context switches, all threads; a traced stretch of each state lists what woke it and
// counts its file-status calls. Beside the shown state runs what its caption alone costs: a bare
// Qt window whose caption changes once a second, as the connected monitor's does, and nothing else.
#include "processcpu.h"
#include "tests/support/tunlink.h"
#include "tests/support/xserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <netinet/in.h>
#include <optional>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using testing_support::TunLink;

constexpr std::uint16_t kPort = 40125;

// What one process used over a stretch of time.
struct Usage
{
    double cpuMs = 0;
    long residentKiB = 0;
    long wakeUps = 0;
};

long field(const std::string& file, const std::string& name)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(name))
            return std::atol(line.c_str() + name.size());
    }
    return 0;
}

long wakeUps(qint64 pid)
{
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        total += field(tasks.filePath(task + "/status").toStdString(), "voluntary_ctxt_switches:");
    return total;
}

// Samples several processes over the same stretch.
std::vector<Usage> measure(const std::vector<qint64>& pids, int seconds)
{
    std::vector<Usage> start;
    for (qint64 pid : pids)
        start.push_back({ bench::cpuMs(pid), 0, wakeUps(pid) });
    QThread::sleep(static_cast<unsigned long>(seconds));
    std::vector<Usage> result;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        const qint64 pid = pids[i];
        result.push_back({ (bench::cpuMs(pid) - start[i].cpuMs) * 60 / seconds,
            field("/proc/" + std::to_string(pid) + "/status", "VmRSS:"),
            (wakeUps(pid) - start[i].wakeUps) * 60 / seconds });
    }
    return result;
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
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

// The virtual desktop: Xvfb, openbox and trayer.
class Desktop
{
public:
    ~Desktop()
    {
        for (QProcess* process : { &m_trayHost, &m_windowManager, &m_bus, &m_server })
            stop(*process);
    }

    // Empty when the desktop is up; otherwise what is wrong.
    std::string start()
    {
        for (const char* tool : { "Xvfb", "openbox", "trayer", "xdotool" }) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                return std::string(tool) + " is missing (scripts/setup --tests installs it)";
        }
        const QString display = testing_support::startXvfb(m_server, 900);
        if (display.isEmpty())
            return "Xvfb named no display";
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("DISPLAY", display);
        m_environment.remove("WAYLAND_DISPLAY");
        // A session bus with no StatusNotifierItem host on it: the tray icons dock into trayer
        // as XEmbed windows.
        const QString bus = testing_support::startSessionBus(m_bus);
        if (bus.isEmpty())
            return "dbus-daemon did not start (scripts/setup --tests installs it)";
        m_environment.insert("DBUS_SESSION_BUS_ADDRESS", bus);
        m_environment.insert("HOME", m_home.path());
        m_environment.insert("XDG_CONFIG_HOME", m_home.path());
        m_environment.insert("XDG_CACHE_HOME", m_home.path() + "/cache");
        m_environment.insert("XDG_RUNTIME_DIR", m_home.path());
        m_environment.insert("LC_ALL", "C.UTF-8");
        startHelper(m_windowManager, "openbox", {});
        if (!waitFor(
                [&] {
                    return !x("xprop", { "-root", "_NET_SUPPORTING_WM_CHECK" })
                                .contains("not found");
                },
                20000))
            return "openbox did not start";
        const bool trayStarted = waitFor(
            [&] {
                startHelper(m_trayHost, "trayer",
                    { "--edge", "bottom", "--align", "right", "--widthtype", "request", "--height",
                        "24", "--SetDockType", "true" });
                if (waitFor(
                        [&] {
                            return !x("xdotool", { "search", "--class", "trayer" }).isEmpty();
                        },
                        3000))
                    return true;
                stop(m_trayHost);
                return false;
            },
            30000);
        return trayStarted ? std::string() : "trayer did not start";
    }

    const QProcessEnvironment& environment() const { return m_environment; }

    QString x(const QString& program, const QStringList& arguments)
    {
        return testing_support::runClient(m_environment, program, arguments);
    }

private:
    void startHelper(QProcess& process, const QString& program, const QStringList& arguments)
    {
        process.setProcessEnvironment(m_environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments);
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
    QProcess m_server;
    QProcess m_bus;
    QProcess m_windowManager;
    QProcess m_trayHost;
};

// The link's holder, in a child process: answers the link's outgoing datagrams and sends some of
// its own, about 500 bytes a second in all, until it is killed.
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
        const auto sys = std::filesystem::temp_directory_path()
            / ("vantrel-desktop-bench-sys-" + std::to_string(getpid()));
        std::string why;
        const int tun = link.open(sys, why);
        const char status = tun >= 0 ? '1' : '0';
        [[maybe_unused]] auto written = write(ready[1], &status, 1);
        if (tun < 0)
            _exit(1);
        const int sender = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in peer {};
        peer.sin_family = AF_INET;
        peer.sin_port = htons(kPort);
        inet_pton(AF_INET, TunLink::kPeer, &peer.sin_addr);
        const auto packet = TunLink::packetFromPeer(kPort, 42);
        const std::vector<char> datagram(22, 'x');
        std::vector<char> buffer(2048);
        for (;;) {
            // Five times a second: 70 bytes in, 50 bytes out.
            [[maybe_unused]] auto in = write(tun, packet.data(), packet.size());
            sendto(sender, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&peer),
                sizeof peer);
            [[maybe_unused]] auto out = read(tun, buffer.data(), buffer.size());
            usleep(200000);
        }
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

// What a traced stretch of the monitor saw: calls by name, and what each wake-up returned with.
struct Trace
{
    double seconds = 0;
    std::map<std::string, long> calls;
    std::map<std::string, long> wokenBy;
    long fileStatus = 0;
};

// Reads `strace -f -yy` output: a blocking call that returns is a wake-up, named after what it
// returned with (its timeout, the descriptor that became ready, another thread's futex wake).
Trace readTrace(const QString& file, double seconds)
{
    Trace trace;
    trace.seconds = seconds;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return trace;
    static const QRegularExpression call(QStringLiteral(R"(^\d+\s+(?:<\.\.\. )?(\w+))"));
    static const QRegularExpression readyFd(QStringLiteral(R"(\(\[\{fd=(\d+))"));
    std::map<QString, QString> pending; // thread: the start of its unfinished call
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        const auto match = call.match(line);
        if (!match.hasMatch())
            continue;
        const QString thread = line.section(QLatin1Char(' '), 0, 0);
        const std::string name = match.captured(1).toStdString();
        if (line.endsWith(QLatin1String("<unfinished ...>"))) {
            pending[thread] = line;
            continue;
        }
        QString whole = line;
        if (line.contains(QLatin1String("resumed>"))) {
            whole = pending[thread] + line;
            pending.erase(thread);
        } else {
            ++trace.calls[name];
        }
        if (line.contains(QLatin1String("resumed>")))
            ++trace.calls[name];
        if (name == "newfstatat" || name == "statx" || name == "stat" || name == "lstat"
            || name == "access" || name == "faccessat2")
            ++trace.fileStatus;
        if (name == "poll" || name == "ppoll") {
            // A poll that was not asked to wait did not sleep.
            if (whole.contains(QLatin1String("], 2, 0)"))
                || whole.contains(QLatin1String("], 1, 0)"))
                || whole.contains(QLatin1String(", 0) =")))
                continue;
            // Nor, as a rule, one that found its socket writable: xcb asks before each write.
            const QString result = whole.section(QLatin1String(" = "), -1);
            if (result.contains(QLatin1String("revents=POLLOUT}"))
                && !result.contains(QLatin1String("POLLIN")))
                continue;
            if (whole.contains(QLatin1String("(Timeout)"))) {
                ++trace.wokenBy["a timer (poll timeout)"];
                continue;
            }
            // The result names the ready descriptor by number; the arguments say what it is.
            const auto ready = readyFd.match(result);
            const QRegularExpression described(
                QStringLiteral(R"(\{fd=%1<([^:>\[]+))").arg(ready.captured(1)));
            const auto kind = described.match(whole);
            ++trace.wokenBy[ready.hasMatch() && kind.hasMatch()
                    ? "ready " + kind.captured(1).toStdString()
                    : "poll, other"];
        } else if (name == "futex" && whole.contains(QLatin1String("FUTEX_WAIT"))) {
            ++trace.wokenBy["another thread (futex)"];
        } else if (name == "restart_syscall" || name == "epoll_wait" || name == "select") {
            ++trace.wokenBy[name];
        }
    }
    return trace;
}

std::string perMinute(const std::map<std::string, long>& counts, double seconds, std::size_t most)
{
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto& [name, count] : counts)
        sorted.emplace_back(count, name);
    std::sort(sorted.rbegin(), sorted.rend());
    std::string text;
    for (std::size_t i = 0; i < sorted.size() && i < most; ++i) {
        if (!text.empty())
            text += ", ";
        text += sorted[i].second + " "
            + std::to_string(
                static_cast<long>(static_cast<double>(sorted[i].first) * 60 / seconds));
    }
    return text;
}

struct Run
{
    std::vector<Usage> usage; // ours, conky, the caption-only window when it ran
    std::optional<Trace> trace;
    std::string problem;
};

const char* kConkyConfig = R"(conky.config = {
    out_to_x = true, out_to_console = false, own_window = true, own_window_type = 'normal',
    update_interval = 1, double_buffer = true, use_xft = true, font = 'DejaVu Sans:size=8',
    minimum_width = 240, minimum_height = 160, background = false,
}
conky.text = [[
${addr @LINK@}
Up ${upspeed @LINK@}  Down ${downspeed @LINK@}
Sent ${totalup @LINK@}  Received ${totaldown @LINK@}
${upspeedgraph @LINK@ 20,200}
${downspeedgraph @LINK@ 20,200}
]]
)";

// One state: a fresh monitor with `options` set, conky beside it (and the caption-only window
// when `withCaptionOnly`), all measured over `seconds`; `traceSeconds` more under strace when
// asked.
Run runState(Desktop& desktop, const QString& program, const std::string& netns,
    const std::map<QString, int>& options, bool withCaptionOnly, int seconds, int traceSeconds)
{
    Run run;
    QTemporaryDir home;
    const QString config = home.path();
    QDir(config).mkpath("state");
    QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = desktop.environment();
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("XDG_STATE_HOME", config + "/state");
    environment.insert("XDG_RUNTIME_DIR", config);
    environment.insert("HOME", config);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("VANTREL_SOURCE", "linux");
    for (const auto& [name, value] : options) {
        QProcess reg;
        reg.setProcessEnvironment(environment);
        reg.start(VANTREL_REG_BINARY,
            { "set", R"(HKCU\Software\Orvik Software\Vantrel\Option)", name, "--dword",
                QString::number(value) });
        reg.waitForFinished(10000);
        if (reg.exitCode() != 0) {
            run.problem = "vantrel-reg could not set " + name.toStdString();
            return run;
        }
    }
    QFile conkyConfig(config + "/conky.conf");
    conkyConfig.open(QIODevice::WriteOnly);
    conkyConfig.write(QByteArray(kConkyConfig).replace("@LINK@", TunLink::kInterface));
    conkyConfig.close();

    // Both inside the link's namespace, where /sys and /proc/net show it.
    const QStringList inNamespace { "netns", "exec", QString::fromStdString(netns) };
    QProcess monitor;
    QProcess conky;
    QProcess captionOnly;
    for (auto [process, errors] : { std::pair { &monitor, "vantrel.err" },
             std::pair { &conky, "conky.err" }, std::pair { &captionOnly, "caption.err" } }) {
        process->setProcessEnvironment(environment);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(home.filePath(errors));
    }
    monitor.start("ip", inNamespace + QStringList { program });
    conky.start("ip", inNamespace + QStringList { "conky", "-c", conkyConfig.fileName() });
    if (withCaptionOnly)
        captionOnly.start(MINIMAL_QT_BINARY, { "--ticking-caption" });
    // The monitor window comes when the link is seen connected; mapped, as unmapped it would not
    // paint.
    const auto shows = [&desktop](const QString& title) {
        return !desktop.x("xdotool", { "search", "--onlyvisible", "--name", title }).isEmpty();
    };
    if (!waitFor(
            [&] {
                return shows(QStringLiteral("^Vantrel - Monitor$"))
                    && !desktop.x("xdotool", { "search", "--class", "conky" }).isEmpty()
                    && (!withCaptionOnly || shows(QStringLiteral("^Caption only")));
            },
            30000)) {
        run.problem = "the monitor did not show the link connected, or conky or the caption-only "
                      "window did not start";
    } else {
        QThread::sleep(3); // past the start-up's own work
        std::vector<qint64> measured { monitor.processId(), conky.processId() };
        if (withCaptionOnly)
            measured.push_back(captionOnly.processId());
        run.usage = measure(measured, seconds);
        if (traceSeconds > 0 && !QStandardPaths::findExecutable("strace").isEmpty()) {
            const QString traceFile = home.filePath("strace.txt");
            QProcess strace;
            strace.setStandardErrorFile(QProcess::nullDevice());
            strace.start("strace",
                { "-f", "-yy", "-o", traceFile, "-p", QString::number(monitor.processId()) });
            QThread::sleep(static_cast<unsigned long>(traceSeconds));
            ::kill(static_cast<pid_t>(strace.processId()), SIGINT);
            strace.waitForFinished(10000);
            run.trace = readTrace(traceFile, traceSeconds);
        }
    }
    stop(monitor);
    stop(conky);
    stop(captionOnly);
    return run;
}

void printRow(const std::string& figure, double ours, double floor, const char* unit,
    const char* comparison, double target)
{
    const double ratio = floor > 0 ? ours / floor : 0;
    const bool met = std::string(comparison) == "<=x" ? ratio <= target : ours <= target;
    std::printf("%-48s %9.0f %-3s %8.0f %-3s %7.2fx %4s%5.1f%s %s\n", figure.c_str(), ours, unit,
        floor, unit, ratio, "<=", target, std::string(comparison) == "<=x" ? "x" : " ",
        met ? "yes" : "NO");
}

// A row to read beside the others, without a target of its own.
void printFigure(const std::string& figure, long ours, long other, const char* unit)
{
    std::printf("%-48s %9ld %-3s %8ld %-3s %7.2fx %8s %s\n", figure.c_str(), ours, unit, other,
        unit, static_cast<double>(ours) / static_cast<double>(std::max(1L, other)), "-", "-");
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
        if (argument.starts_with("--seconds="))
            seconds = std::max(5, std::atoi(argv[i] + 10));
        else if (argument.starts_with("--program="))
            program = QString::fromLocal8Bit(argv[i] + 10);
    }
    const int traceSeconds = 20;
    std::printf(
        "%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "conky", "ratio", "target", "met");
    const auto notMeasured = [](const std::string& why) {
        std::printf("%-48s (not measured: %s)\n", "desktop minute beside conky", why.c_str());
        return 0;
    };
    if (QStandardPaths::findExecutable("conky").isEmpty())
        return notMeasured("conky is missing (scripts/setup --tests installs conky-std)");
    if (const std::string reason = TunLink::unavailable(); !reason.empty())
        return notMeasured("no tun link: " + reason);
    TunLink link;
    if (!link.createNamespace())
        return notMeasured("no tun link: cannot create a network namespace");
    std::string problem;
    const pid_t holder = holdLink(link, problem);
    if (holder < 0)
        return notMeasured(problem);
    Desktop desktop;
    if (const std::string why = desktop.start(); !why.empty()) {
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        return notMeasured(why);
    }
    const std::string netns = "vantrel-" + std::to_string(getpid());

    const Run shown = runState(desktop, program, netns, {}, true, seconds, traceSeconds);
    const Run usual = runState(desktop, program, netns,
        { { "StartMinimized", 1 }, { "MinimizeToTray", 1 } }, false, seconds, traceSeconds);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);

    for (const auto& [state, run] :
        { std::pair { "main window shown", &shown }, std::pair { "usual state", &usual } }) {
        if (!run->problem.empty() || run->usage.size() < 2) {
            std::printf("%-48s (not measured: %s)\n",
                (std::string("desktop minute, ") + state).c_str(), run->problem.c_str());
            continue;
        }
        const Usage& ours = run->usage[0];
        const Usage& conky = run->usage[1];
        const bool usualState = run == &usual;
        printRow(std::string("CPU per minute, ") + state + " / conky", ours.cpuMs, conky.cpuMs,
            "ms", "<=x", usualState ? 1.0 : 1.5);
        printFigure(std::string("resident memory, ") + state + " / conky", ours.residentKiB,
            conky.residentKiB, "KiB");
        printRow(
            std::string("wake-ups per minute, all threads, ") + (usualState ? "usual" : "shown"),
            static_cast<double>(ours.wakeUps), static_cast<double>(conky.wakeUps), "", "<=", 120);
        if (run->usage.size() > 2)
            printFigure("... / a Qt window, its caption alone ticking", ours.wakeUps,
                run->usage[2].wakeUps, "");
        if (!run->trace)
            continue;
        const Trace& trace = *run->trace;
        std::printf("%-48s %9.1f %-3s %12s %8s %4s%5.1f  %s\n",
            (std::string("file-status calls per tick, ") + (usualState ? "usual" : "shown"))
                .c_str(),
            static_cast<double>(trace.fileStatus) / trace.seconds, "", "", "", "<=", 0.0,
            trace.fileStatus == 0 ? "yes" : "NO");
        std::printf("%-48s %s\n", "  what woke it (per minute, strace -f)",
            perMinute(trace.wokenBy, trace.seconds, 6).c_str());
        std::printf("%-48s %s\n", "  its system calls (per minute, strace -f)",
            perMinute(trace.calls, trace.seconds, 8).c_str());
    }
    return 0;
}
