// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory of the running monitor after ten minutes of demo traffic (the demo at sixty
// times real speed for ten seconds), beside a minimal Qt Widgets program with one window and one
// label, in the same run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// Starts a program offscreen with scratch settings, lets it run, and returns its resident size.
long residentAfter(const char* program, const char* source, std::chrono::seconds run)
{
    const auto scratch
        = std::filesystem::temp_directory_path() / ("vantrel-memory-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::permissions(scratch, std::filesystem::perms::owner_all);
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("VANTREL_SOURCE", source, 1);
        setenv("XDG_CONFIG_HOME", scratch.c_str(), 1);
        setenv("XDG_STATE_HOME", scratch.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", scratch.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(run);
    const long kib = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::filesystem::remove_all(scratch);
    return kib;
}

} // namespace

int main()
{
    const long ours = residentAfter(VANTREL_BINARY, "demo:60", std::chrono::seconds(10));
    const long floor = residentAfter(MINIMAL_QT_BINARY, "none", std::chrono::seconds(3));
    if (ours <= 0 || floor <= 0) {
        std::printf("memory_bench: could not read the programs' resident sizes\n");
        return 1;
    }
    const double ratio = static_cast<double>(ours) / static_cast<double>(floor);
    std::printf(
        "%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "floor", "ratio", "target", "met");
    std::printf("%-48s %8ld KiB %8ld KiB %7.2fx %7.1fx %s\n",
        "resident memory after 10 demo minutes / minimal Qt", ours, floor, ratio, 1.2,
        ratio <= 1.2 ? "yes" : "NO");
    return 0;
}
