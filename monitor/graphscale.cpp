// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphscale.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

// Round figures per decade, in tenths of its power of ten.
constexpr std::array<std::int64_t, 10> kSteps { 10, 12, 15, 20, 25, 30, 40, 50, 60, 80 };
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

// The largest round figure below `value` and the smallest at least `value`.
std::pair<std::int64_t, std::int64_t> roundFiguresAround(std::int64_t value)
{
    std::int64_t below = 0;
    for (std::int64_t decade = 1; decade <= kLargest; decade *= 10) {
        for (const std::int64_t step : kSteps) {
            if (step * decade >= value * 10)
                return { below, step * decade / 10 };
            below = step * decade / 10;
        }
    }
    return { below, kLargest };
}

} // namespace

GraphScale::GraphScale(std::int32_t floor)
    : m_floor(floor)
    , m_top(floor)
{
}

void GraphScale::clear()
{
    m_top = m_floor;
    m_readings = 0;
    m_peaks.clear();
}

std::int64_t GraphScale::roundUp(std::int64_t value)
{
    return roundFiguresAround(value).second;
}

std::int64_t GraphScale::roundBelow(std::int64_t value)
{
    return roundFiguresAround(value).first;
}

std::int32_t GraphScale::add(std::int64_t up, std::int64_t down)
{
    const std::int64_t rate = std::clamp<std::int64_t>(std::max(up, down), 0, kLargest);
    while (!m_peaks.empty() && m_peaks.back().second <= rate)
        m_peaks.pop_back();
    m_peaks.emplace_back(m_readings++, rate);
    if (m_readings - m_peaks.front().first > kHistory)
        m_peaks.pop_front();
    // An eighth above the peak, so the highest bar never fills the graph.
    const std::int64_t peak = m_peaks.front().second;
    const std::int64_t wanted
        = std::clamp<std::int64_t>(roundUp(peak + peak / 8 + 1), m_floor, kLargest);
    if (wanted >= m_top)
        m_top = static_cast<std::int32_t>(wanted);
    else
        m_top = static_cast<std::int32_t>(std::max(wanted, roundBelow(m_top)));
    return m_top;
}
