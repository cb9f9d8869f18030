// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory of the running monitor after ten minutes of demo traffic (the demo at sixty
// times real speed for ten seconds), beside a minimal Qt Widgets program with one window and one
// label, in the same run: offscreen, and on an X server (Xvfb) with the usage window opened
// from the window's menu and closed again (xdotool) two seconds before the end. The X runs get a
// session bus of their own, as on a desktop; without one, libdbus would launch a bus of its own
// for each of them and leave it running.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

struct Run
{
    const char* program;
    const char* source;
    std::chrono::seconds length;
    std::string display; // empty: offscreen
    std::string sessionBus; // with a display
    // Done `at` into the run; a failure makes the run's figure unusable.
    std::function<bool()> midway;
    std::chrono::seconds at {};
};

// Starts a program with scratch settings and history, lets it run, and returns its resident
// size; -1 when it could not be read or the midway step failed.
long residentAfter(const Run& run)
{
    const auto scratch
        = std::filesystem::temp_directory_path() / ("vantrel-memory-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::permissions(scratch, std::filesystem::perms::owner_all);
    const pid_t child = fork();
    if (child == 0) {
        if (run.display.empty()) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        } else {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("DISPLAY", run.display.c_str(), 1);
            setenv("DBUS_SESSION_BUS_ADDRESS", run.sessionBus.c_str(), 1);
        }
        setenv("VANTREL_SOURCE", run.source, 1);
        setenv("XDG_CONFIG_HOME", scratch.c_str(), 1);
        setenv("XDG_STATE_HOME", scratch.c_str(), 1);
        setenv("XDG_DATA_HOME", scratch.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", scratch.c_str(), 1);
        execl(run.program, run.program, static_cast<char*>(nullptr));
        _exit(127);
    }
    bool usable = true;
    if (run.midway) {
        std::this_thread::sleep_for(run.at);
        usable = run.midway();
        std::this_thread::sleep_for(run.length - run.at);
    } else {
        std::this_thread::sleep_for(run.length);
    }
    const long kib = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::error_code ignored; // a leftover here must not cost the figures
    std::filesystem::remove_all(scratch, ignored);
    return usable ? kib : -1;
}

// A helper process of this process's own that prints one line on a descriptor it is given (an X
// server's display number, a bus's address); empty when it did not start.
class Helper
{
public:
    // `arguments` makes the command line from the descriptor's number.
    explicit Helper(const std::function<std::vector<std::string>(const std::string&)>& arguments)
    {
        int numbers[2];
        if (pipe(numbers) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(numbers[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            std::vector<std::string> words = arguments(std::to_string(numbers[1]));
            std::vector<char*> argv;
            for (std::string& word : words)
                argv.push_back(word.data());
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        close(numbers[1]);
        // The whole line: Xvfb writes the number and its end separately, and dies when the
        // second write finds the pipe closed.
        std::string line;
        char text[256];
        ssize_t got = 0;
        while (m_pid > 0 && line.find('\n') == std::string::npos
            && (got = read(numbers[0], text, sizeof text)) > 0)
            line.append(text, static_cast<std::size_t>(got));
        if (line.find('\n') != std::string::npos)
            m_printed = line.substr(0, line.find('\n'));
        close(numbers[0]);
    }
    ~Helper()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    const std::string& printed() const { return m_printed; }

private:
    pid_t m_pid = -1;
    std::string m_printed;
};

Helper xServer()
{
    return Helper([](const std::string& fd) {
        return std::vector<std::string> { "Xvfb", "-displayfd", fd, "-screen", "0", "1024x768x24",
            "-nolisten", "tcp", "-noreset" };
    });
}

Helper sessionBus()
{
    return Helper([](const std::string& fd) {
        return std::vector<std::string> { "dbus-daemon", "--session", "--nofork",
            "--print-address=" + fd };
    });
}

bool succeeds(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// "Usage..." from the main window's menu (its tenth item), then Escape once it shows.
bool openAndCloseUsageWindow(const std::string& display)
{
    const std::string x = "DISPLAY=" + display + " timeout 20 xdotool ";
    if (!succeeds(x
            + "search --sync --onlyvisible --name '^Vantrel$' mousemove --window %1 6 6 "
              "click 3"))
        return false;
    std::this_thread::sleep_for(500ms);
    if (!succeeds(x + "key Down Down Down Down Down Down Down Down Down Down Return")
        || !succeeds(x + "search --sync --onlyvisible --name '^Vantrel - Usage$'"))
        return false;
    std::this_thread::sleep_for(1s);
    succeeds(x + "key Escape");
    for (int wait = 0; wait < 50; ++wait) {
        if (!succeeds(x + "search --onlyvisible --name '^Vantrel - Usage$'"))
            return true;
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

void row(const char* figure, long ours, long floor, double target)
{
    const double ratio = static_cast<double>(ours) / static_cast<double>(floor);
    std::printf("%-48s %8ld KiB %8ld KiB %7.2fx %7.1fx %s\n", figure, ours, floor, ratio, target,
        ratio <= target ? "yes" : "NO");
}

} // namespace

int main()
{
    const long ours = residentAfter({ VANTREL_BINARY, "demo:60", 10s, {}, {}, {}, {} });
    const long floor = residentAfter({ MINIMAL_QT_BINARY, "none", 3s, {}, {}, {}, {} });
    if (ours <= 0 || floor <= 0) {
        std::printf("memory_bench: could not read the programs' resident sizes\n");
        return 1;
    }
    std::printf(
        "%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "floor", "ratio", "target", "met");
    row("resident memory after 10 demo minutes / minimal Qt", ours, floor, 1.2);

    const Helper server = xServer();
    const std::string display = server.printed().empty() ? "" : ":" + server.printed();
    const Helper bus = sessionBus();
    const char* const usageFigure = "... usage window opened, closed (X) / minimal Qt";
    if (display.empty() || bus.printed().empty() || !succeeds("command -v xdotool")) {
        std::printf("%-48s (not measured: Xvfb, dbus-daemon or xdotool missing)\n", usageFigure);
        return 0;
    }
    const long withWindow = residentAfter({ VANTREL_BINARY, "demo:60", 10s, display, bus.printed(),
        [&] { return openAndCloseUsageWindow(display); }, 6s });
    const long floorX
        = residentAfter({ MINIMAL_QT_BINARY, "none", 3s, display, bus.printed(), {}, {} });
    if (withWindow <= 0 || floorX <= 0) {
        std::printf("%-48s (not measured: the usage window did not open and close)\n", usageFigure);
        return 0;
    }
    row(usageFigure, withWindow, floorX, 1.3);
    const long without
        = residentAfter({ VANTREL_BINARY, "demo:60", 10s, display, bus.printed(), {}, {} });
    if (without > 0)
        row("... usage window opened, closed / never opened (X)", withWindow, without, 1.3);
    return 0;
}
