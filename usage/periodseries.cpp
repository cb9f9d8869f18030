// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodseries.h"

namespace usage {

std::vector<ReportRow> everyPeriod(
    const std::vector<ReportRow>& rows, std::int64_t from, std::int64_t to, Period period)
{
    std::vector<ReportRow> series;
    auto row = rows.begin();
    for (std::int64_t start = periodStart(from, period); start < to;) {
        const std::int64_t end = periodEnd(start, period);
        while (row != rows.end() && row->start < start)
            ++row;
        if (row != rows.end() && row->start == start)
            series.push_back(*row);
        else
            series.push_back({ start, end - start, 0, 0 });
        start = end;
    }
    return series;
}

} // namespace usage
