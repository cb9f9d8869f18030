// SPDX-License-Identifier: GPL-3.0-or-later
#include "cycleprojection.h"

namespace usage {

std::int64_t countedBytes(const ReportRow& row, bool downloadOnly)
{
    return downloadOnly ? row.received : addBytes(row.sent, row.received);
}

std::vector<std::int64_t> cumulative(const std::vector<ReportRow>& rows, bool downloadOnly)
{
    std::vector<std::int64_t> totals;
    totals.reserve(rows.size());
    std::int64_t total = 0;
    for (const auto& row : rows)
        totals.push_back(total += countedBytes(row, downloadOnly));
    return totals;
}

std::optional<std::int64_t> projectAtCycleEnd(
    std::int64_t used, std::int64_t cycleStart, std::int64_t cycleEnd, std::int64_t now)
{
    // The pace of a few hours is that of the hours of the day they were: a bout of use taken for
    // the whole cycle's pace runs to a hundred times the limit.
    constexpr std::int64_t kFirstDay = 86400;
    if (now - cycleStart < kFirstDay || now >= cycleEnd)
        return std::nullopt;
    // In long double: a large history times a cycle's seconds would overflow 64 bits.
    const long double pace
        = static_cast<long double>(used) / static_cast<long double>(now - cycleStart);
    return static_cast<std::int64_t>(pace * static_cast<long double>(cycleEnd - cycleStart));
}

} // namespace usage
