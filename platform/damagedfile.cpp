// SPDX-License-Identifier: GPL-3.0-or-later
#include "damagedfile.h"

#include <ctime>
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

} // namespace

std::variant<std::filesystem::path, std::error_code> moveAsideDamaged(
    const std::filesystem::path& file)
{
    std::error_code error;
    // Never over an earlier damaged copy, even when two turn up within one second.
    std::filesystem::path aside;
    for (int attempt = 1; aside.empty() || std::filesystem::exists(aside, error); ++attempt) {
        aside = file;
        aside
            += ".corrupt-" + timestampSuffix() + (attempt > 1 ? "-" + std::to_string(attempt) : "");
    }
    std::filesystem::rename(file, aside, error);
    if (error)
        return error;
    for (const char* companion : { "-wal", "-shm" }) {
        std::filesystem::path from = file;
        from += companion;
        std::filesystem::path to = aside;
        to += companion;
        std::filesystem::rename(from, to, error);
    }
    return aside;
}

} // namespace platform
