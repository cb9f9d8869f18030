// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include "platform/xdg.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr const char* kLockName = "OrvikVantrel.lock";

std::string reason(int error)
{
    return std::strerror(error);
}

// A descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// A folder another account could put a file into, or take one out of, is no place for the lock:
// whoever holds a lock on that file would keep the program from starting.
std::optional<std::string> unsafeFolder(const struct stat& folder)
{
    if (!S_ISDIR(folder.st_mode))
        return "not a folder";
    if (folder.st_uid != geteuid())
        return "owned by another user";
    if (folder.st_mode & (S_IWGRP | S_IWOTH))
        return "writable by other users";
    return std::nullopt;
}

// The lock in `folder`: First, AnotherRuns, or NoMarker with the problem.
SingleInstance::Outcome lockIn(const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / kLockName;
    const auto noMarker = [&](const std::filesystem::path& at, const std::string& problem) {
        return SingleInstance::Outcome { SingleInstance::Result::NoMarker,
            at.string() + ": " + problem };
    };
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat about
    {
    };
    if (directory.get() < 0 || fstat(directory.get(), &about) != 0)
        return noMarker(folder, reason(errno));
    if (const auto problem = unsafeFolder(about))
        return noMarker(folder, *problem);
    // O_NONBLOCK: a FIFO must not hold the start-up; it is refused below.
    Descriptor lock(::openat(directory.get(), kLockName,
        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600));
    if (lock.get() < 0)
        return noMarker(file, errno == ELOOP ? "a symbolic link" : reason(errno));
    if (fstat(lock.get(), &about) != 0)
        return noMarker(file, reason(errno));
    if (!S_ISREG(about.st_mode))
        return noMarker(file, "not a regular file");
    if (about.st_uid != geteuid())
        return noMarker(file, "owned by another user");
    if (flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return { SingleInstance::Result::AnotherRuns, {} };
        return noMarker(file, reason(errno));
    }
    // Kept open, deliberately, until the process ends: the open file holds the lock.
    lock.release();
    return { SingleInstance::Result::First, {} };
}

bool usableRuntimeFolder(const char* runtime)
{
    if (!runtime || runtime[0] != '/')
        return false;
    struct stat about
    {
    };
    return ::stat(runtime, &about) == 0 && !unsafeFolder(about);
}

} // namespace

SingleInstance::Outcome SingleInstance::acquire()
{
    // A marker in each place a start may look: the runtime folder, where the session has one of
    // the user's own, and the program's state folder always, so that a start whose environment
    // lacks the runtime folder still finds the first and does not record beside it.
    std::vector<Outcome> outcomes;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); usableRuntimeFolder(runtime))
        outcomes.push_back(lockIn(runtime));
    const std::filesystem::path state = platform::xdg::stateHome() / "vantrel";
    std::error_code failed;
    std::filesystem::create_directories(state.parent_path(), failed);
    if (::mkdir(state.c_str(), 0700) != 0 && errno != EEXIST)
        outcomes.push_back({ Result::NoMarker, state.string() + ": " + reason(errno) });
    else
        outcomes.push_back(lockIn(state));
    for (const Result result : { Result::AnotherRuns, Result::NoMarker }) {
        for (const Outcome& outcome : outcomes) {
            if (outcome.result == result)
                return outcome;
        }
    }
    return { Result::First, {} };
}
