// SPDX-License-Identifier: GPL-3.0-or-later
#include "otheraccount.h"

#include "eventwait.h"
#include "process.h"

#include <atomic>
#include <csignal>
#include <pwd.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

namespace {

// How long another run may hold the account files.
constexpr int kAccountFilesBusyMs = 10000;

std::string uniqueName()
{
    static std::atomic<int> made = 0;
    return "vtst" + std::to_string(getpid()) + "x" + std::to_string(made++);
}

} // namespace

OtherAccount::OtherAccount()
    : m_name(uniqueName())
{
    // Other tests add and remove accounts at the same time; the account files are locked while
    // one does, and useradd then fails at once: try again until they are free.
    ProcessResult made;
    const bool added = runEventsUntil(
        [&] {
            made = runProcess({ "/usr/sbin/useradd", "--no-create-home", "--no-user-group",
                "--shell", "/usr/sbin/nologin", m_name });
            return made.exitCode == 0 || made.exitCode == 9; // 9: the name is taken
        },
        kAccountFilesBusyMs, 100);
    if (!added || made.exitCode != 0)
        throw std::runtime_error("useradd " + m_name + " failed: " + made.err);
    const passwd* entry = getpwnam(m_name.c_str());
    if (!entry)
        throw std::runtime_error("useradd made no entry for " + m_name);
    m_uid = entry->pw_uid;
    m_gid = entry->pw_gid;
}

OtherAccount::~OtherAccount()
{
    for (const pid_t pid : m_started) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    runEventsUntil(
        [&] {
            const int status = runProcess({ "/usr/sbin/userdel", "--remove", m_name }).exitCode;
            return status != 1 && status != 10; // 1 and 10: the account files are locked
        },
        kAccountFilesBusyMs, 100);
}

std::vector<std::string> OtherAccount::as() const
{
    return { "/usr/bin/setpriv", "--reuid=" + std::to_string(m_uid),
        "--regid=" + std::to_string(m_gid), "--clear-groups", "--", "/bin/sh", "-c" };
}

int OtherAccount::run(const std::string& command) const
{
    std::vector<std::string> argv = as();
    argv.push_back(command);
    return runProcess(argv).exitCode;
}

bool OtherAccount::start(const std::string& command)
{
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> argv = as();
    argv.push_back(command);
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execProgram(argv);
    }
    close(out[1]);
    m_started.push_back(child);
    char first = 0;
    const bool printed = read(out[0], &first, 1) == 1;
    close(out[0]);
    return printed;
}

} // namespace testing_support
