// SPDX-License-Identifier: GPL-3.0-or-later
#include "databasefile.h"

#include <sys/stat.h>

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

} // namespace platform
