// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

std::filesystem::path SingleInstance::lockFile()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/')
        return std::filesystem::path(runtime) / "OrvikVantrel.lock";
    return "/tmp/OrvikVantrel-" + std::to_string(getuid()) + ".lock";
}

SingleInstance::Result SingleInstance::acquire()
{
    // Kept open, deliberately, until the process ends: the open file holds the lock.
    const int fd = ::open(lockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Result::NoMarker;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Result::First;
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Result::AnotherRuns : Result::NoMarker;
}
