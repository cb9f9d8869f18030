// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include "runtime.h"

#include <QDateTime>
#include <ctime>

namespace platform {

namespace {

std::int64_t realTimeMs()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

std::int64_t Clock::wallMs() const
{
    return realTimeMs();
}

std::uint64_t SystemClock::monotonicMs() const
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u
        + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

ManualClock::ManualClock(std::uint64_t startMs)
    : m_nowMs(startMs)
    , m_wallOffsetMs(realTimeMs() - static_cast<std::int64_t>(startMs))
{
}

std::int64_t ManualClock::wallMs() const
{
    return static_cast<std::int64_t>(m_nowMs.load()) + m_wallOffsetMs.load();
}

void ManualClock::setWallStart(std::int64_t wallMs)
{
    m_wallOffsetMs = wallMs - static_cast<std::int64_t>(m_nowMs.load());
}

std::int64_t wallClockMs()
{
    return Runtime::current().source().clock().wallMs();
}

QDateTime wallClockNow()
{
    return QDateTime::fromMSecsSinceEpoch(wallClockMs());
}

} // namespace platform
