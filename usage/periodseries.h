// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usagereport.h"

#include <cstdint>
#include <vector>

namespace usage {

// One row for every local period in [from, to), in time order: the report's row where it has
// one, a row without bytes where nothing moved. What a chart with one bar per period needs.
std::vector<ReportRow> everyPeriod(
    const std::vector<ReportRow>& rows, std::int64_t from, std::int64_t to, Period period);

} // namespace usage
