// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// How wide a platform traffic counter is: the registry statistics, the performance data and the
// per-connection statistics give 32 bits and wrap round at 4 GiB; the PDH gives 64 bits, which
// never wrap in practice.
enum class CounterWidth { Bits32, Bits64 };

// Follows one platform traffic counter from reading to reading and tells how far it moved
// forward, so that the figure built from these steps (a 32-bit figure that wraps modulo 2^32,
// as the poll expects) counts on across wraps and resets alike.
//
// A reading below the previous one is a 32-bit counter wrapping round when the forward
// difference modulo 2^32 is small (it was near the top and is now near zero); anything else
// going backwards is a reset of the counter: the step is then 0 and counting goes on from the
// new reading, so no byte after it is lost and none is invented. "Small" is less than half the
// 32-bit range: 2 GiB between two readings, a second apart, is beyond any link this counts.
// A 64-bit counter going backwards is always a reset.
class CounterFollower
{
public:
    static constexpr std::uint64_t kLargestWrapStep = 0x80000000u;

    // Forgets the previous reading: the next one counts whole, as after a reset of the slot.
    void restart() { m_previous.reset(); }
    // Takes `reading` as the previous one: only what comes after it counts.
    void restartFrom(std::uint64_t reading) { m_previous = reading; }

    // How far the counter moved forward from the previous reading to `reading` (the reading
    // itself, modulo 2^32, when there is no previous one); `reading` becomes the previous one.
    std::uint32_t advance(std::uint64_t reading, CounterWidth width);

    // The forward distance from `previous` to `reading` by the rules above.
    static std::uint64_t forwardStep(
        std::uint64_t previous, std::uint64_t reading, CounterWidth width);

private:
    std::optional<std::uint64_t> m_previous;
};
