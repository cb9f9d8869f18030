// SPDX-License-Identifier: GPL-3.0-or-later
#include "process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

void execProgram(
    const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment)
{
    for (const auto& [name, value] : environment)
        setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
}

ProcessResult runProcess(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment, const std::string& input,
    std::function<bool(const std::string&)> terminateWhen, int limitSeconds, int terminateSignal)
{
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (int fd : { in[0], in[1], out[0], out[1], err[0], err[1] })
            close(fd);
        execProgram(argv, environment);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    ProcessResult result;
    std::size_t written = 0;
    if (input.empty())
        close(in[1]);
    pollfd fds[3] = { { out[0], POLLIN, 0 }, { err[0], POLLIN, 0 },
        { input.empty() ? -1 : in[1], POLLOUT, 0 } };
    int open = 2;
    bool terminated = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    while (open > 0 || fds[2].fd >= 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            break;
        }
        if (poll(fds, 3, 200) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
            }
        }
        // Asked on every wake-up, so a condition on time alone is seen too.
        if (terminateWhen && !terminated && terminateWhen(result.err)) {
            kill(child, terminateSignal);
            terminated = true;
        }
        if (fds[2].fd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t put = write(fds[2].fd, input.data() + written, input.size() - written);
            if (put > 0)
                written += static_cast<std::size_t>(put);
            if (put <= 0 || written == input.size()) {
                close(fds[2].fd);
                fds[2].fd = -1;
            }
        }
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    result.peakResidentKiB = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace testing_support
