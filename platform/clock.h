// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>

namespace platform {

// The time base of the whole program. The 32-bit tick count and the 64-bit monotonic count
// both derive from it, so a simulator or a test that drives the clock drives both.
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary origin; never decreases.
    virtual std::uint64_t monotonicMs() const = 0;
    // Clock milliseconds per real millisecond; 0 for a clock that moves only when told to.
    virtual double rate() const { return 1.0; }
};

class SystemClock final : public Clock
{
public:
    std::uint64_t monotonicMs() const override;
};

// A clock that moves only when told to.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(std::uint64_t startMs = 0)
        : m_nowMs(startMs)
    {
    }
    std::uint64_t monotonicMs() const override { return m_nowMs.load(); }
    double rate() const override { return 0; }
    void advance(std::uint64_t ms) { m_nowMs += ms; }
    void set(std::uint64_t ms) { m_nowMs = ms; }

private:
    std::atomic<std::uint64_t> m_nowMs;
};

} // namespace platform
