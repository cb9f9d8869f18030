// SPDX-License-Identifier: GPL-3.0-or-later
#include "databasefile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string irregularDatabaseFile(const std::filesystem::path& file)
{
    for (const char* suffix : { "", "-wal", "-shm", "-journal" }) {
        const std::string name = file.string() + suffix;
        struct stat status
        {
        };
        if (::stat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
            return *suffix ? name + " is not a regular file" : "it is not a regular file";
    }
    return {};
}

void keepPrivate(const std::filesystem::path& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) == 0 && status.st_uid == ::geteuid()
        && (status.st_mode & 077) != 0)
        ::chmod(path.c_str(), status.st_mode & 07700);
}

std::string preparePrivateDatabase(const std::filesystem::path& file, bool ownFolder)
{
    const auto folder = file.parent_path();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::filesystem::create_directories(folder.parent_path(), error);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return "cannot create folder " + folder.string() + ": " + std::strerror(errno);
        if (!std::filesystem::is_directory(folder, error))
            return folder.string() + " is not a folder (" + std::strerror(ENOTDIR) + ")";
    }
    if (ownFolder)
        keepPrivate(folder);
    if (std::string why = irregularDatabaseFile(file); !why.empty())
        return why;
    // SQLite gives the -wal and -shm files the database's mode.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    for (const char* suffix : { "", "-wal", "-shm" })
        keepPrivate(file.string() + suffix);
    return {};
}

} // namespace platform
