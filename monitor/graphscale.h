// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

// The top of the trend graphs for a link that reports no speed (a tunnel, most VPNs) where no
// fixed top is set: a round figure above the highest rate the graphs show, so the bars keep their
// proportions whatever the traffic. It rises at once with a higher rate and, once the peak has
// left the graphs, falls one round figure per reading, so the picture does not jump.
class GraphScale
{
public:
    // The rates the widest graph shows: one per reading.
    static constexpr std::size_t kHistory = 240;

    explicit GraphScale(std::int32_t floor = 1000);

    // Starts over at the floor, as at a connect.
    void clear();
    // Takes one reading's rates in bytes per second; the new top.
    std::int32_t add(std::int64_t up, std::int64_t down);
    std::int32_t top() const { return m_top; }

    // The smallest of 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6 and 8 times a power of ten that is at
    // least `value`, and the largest below `value`.
    static std::int64_t roundUp(std::int64_t value);
    static std::int64_t roundBelow(std::int64_t value);

private:
    std::int32_t m_floor;
    std::int32_t m_top;
    std::uint64_t m_readings = 0;
    // The readings that may yet be the highest in the history: falling rates, oldest first.
    std::deque<std::pair<std::uint64_t, std::int64_t>> m_peaks;
};
