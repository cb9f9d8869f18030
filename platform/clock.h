// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>

class QDateTime;

namespace platform {

// The time base of the whole program. The 32-bit tick count and the 64-bit monotonic count
// both derive from it, so a simulator or a test that drives the clock drives both; the wall
// clock too, so a simulated midnight, month end or daylight-saving change is a scenario.
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary origin; never decreases.
    virtual std::uint64_t monotonicMs() const = 0;
    // Clock milliseconds per real millisecond; 0 for a clock that moves only when told to.
    virtual double rate() const { return 1.0; }
    // Milliseconds since 1970-01-01 00:00 UTC. The machine's real time unless a clock stands
    // in for another moment.
    virtual std::int64_t wallMs() const;
};

class SystemClock final : public Clock
{
public:
    std::uint64_t monotonicMs() const override;
};

// A clock that moves only when told to. Its wall clock starts at the real time of its
// construction, or at `setWallStart`, and moves with it.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(std::uint64_t startMs = 0);
    std::uint64_t monotonicMs() const override { return m_nowMs.load(); }
    double rate() const override { return 0; }
    std::int64_t wallMs() const override;
    void advance(std::uint64_t ms) { m_nowMs += ms; }
    void set(std::uint64_t ms) { m_nowMs = ms; }
    // The wall-clock time of the clock's present moment.
    void setWallStart(std::int64_t wallMs);

private:
    std::atomic<std::uint64_t> m_nowMs;
    std::atomic<std::int64_t> m_wallOffsetMs; // wall = monotonic + offset
};

// The active data source's wall clock, in local time (the TZ zone).
QDateTime wallClockNow();
// The same in milliseconds since 1970-01-01 00:00 UTC.
std::int64_t wallClockMs();

} // namespace platform
