// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <cstdint>
#include <vector>

class QDate;

namespace usage {

enum class Period { Hour, Day, Month, Year };

// The bytes of one period of local time. A day at a daylight-saving change is 23 or 25 hours
// long: `length` says so.
struct ReportRow
{
    std::int64_t start = 0; // UTC seconds of the period's local start
    std::int64_t length = 0; // seconds
    std::int64_t sent = 0;
    std::int64_t received = 0;
};

// The UTC second the local period holding `moment` begins at, and the next one.
std::int64_t periodStart(std::int64_t moment, Period period);
std::int64_t periodEnd(std::int64_t moment, Period period);
// The UTC second a local day begins at.
std::int64_t dayStart(const QDate& date);

// Sums buckets (of any names) into the local periods they fall in, in time order; periods
// without traffic are left out.
std::vector<ReportRow> report(const std::vector<Bucket>& buckets, Period period);

} // namespace usage
