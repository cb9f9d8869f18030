// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// What GetVersionEx reports: the platform family and release a data source stands for.
struct OsVersion
{
    static constexpr std::uint32_t kWin32Windows = 1; // the Windows 95/98/Me family
    static constexpr std::uint32_t kWin32Nt = 2;

    std::uint32_t platformId = kWin32Nt;
    std::uint32_t major = 5;
    std::uint32_t minor = 1;
    std::uint32_t build = 2600;
    std::string servicePack;
};

} // namespace platform
