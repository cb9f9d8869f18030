// SPDX-License-Identifier: GPL-3.0-or-later
#include "counterfollower.h"

std::uint64_t CounterFollower::forwardStep(
    std::uint64_t previous, std::uint64_t reading, CounterWidth width)
{
    if (width == CounterWidth::Bits32) {
        previous &= 0xFFFFFFFFu;
        reading &= 0xFFFFFFFFu;
    }
    if (reading >= previous)
        return reading - previous;
    if (width == CounterWidth::Bits64)
        return 0;
    const std::uint64_t wrapped = (reading - previous) & 0xFFFFFFFFu;
    return wrapped < kLargestWrapStep ? wrapped : 0;
}

std::uint32_t CounterFollower::advance(std::uint64_t reading, CounterWidth width)
{
    const std::uint64_t step = m_previous ? forwardStep(*m_previous, reading, width) : reading;
    m_previous = reading;
    return static_cast<std::uint32_t>(step);
}
