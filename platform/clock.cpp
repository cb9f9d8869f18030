// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <ctime>

namespace platform {

std::uint64_t SystemClock::monotonicMs() const
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u
        + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

} // namespace platform
