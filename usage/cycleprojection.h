// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usagereport.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace usage {

// The bytes that count against a plan: both directions, or what was received alone.
std::int64_t countedBytes(const ReportRow& row, bool downloadOnly);

// The running total of the counted bytes, one value per row.
std::vector<std::int64_t> cumulative(const std::vector<ReportRow>& rows, bool downloadOnly);

// The usage at `cycleEnd` if it goes on at the pace of [cycleStart, now): `used` scaled by the
// cycle's length over the time gone. None before a whole day of the cycle has gone, whose pace
// says little, and once the cycle is over.
std::optional<std::int64_t> projectAtCycleEnd(
    std::int64_t used, std::int64_t cycleStart, std::int64_t cycleEnd, std::int64_t now);

} // namespace usage
