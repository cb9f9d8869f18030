// SPDX-License-Identifier: GPL-3.0-or-later
#include "damagedfile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>

namespace platform {

namespace {

std::string timestampSuffix()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

int renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0
                                                                                            : errno;
}

} // namespace

std::variant<std::filesystem::path, std::error_code> moveAsideDamaged(
    const std::filesystem::path& file)
{
    // Never over an earlier damaged copy, even when two turn up within one second: the rename
    // itself refuses an existing name, so two processes cannot pick the same one.
    std::filesystem::path aside;
    int error = EEXIST;
    for (int attempt = 1; error == EEXIST && attempt < 1000; ++attempt) {
        aside = file;
        aside
            += ".corrupt-" + timestampSuffix() + (attempt > 1 ? "-" + std::to_string(attempt) : "");
        error = renameNoReplace(file, aside);
    }
    if (error)
        return std::error_code(error, std::generic_category());
    for (const char* companion : { "-wal", "-shm" }) {
        std::filesystem::path from = file;
        from += companion;
        std::filesystem::path to = aside;
        to += companion;
        renameNoReplace(from, to);
    }
    return aside;
}

} // namespace platform
