// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"
#include "usagereport.h"

#include <cstdint>
#include <string>
#include <vector>

// The history's figures as text: the forms vantrel-usage prints and the usage window exports,
// written once so that both say the same.
namespace usage {

// 1234567 -> "1.2 MB": decimal units, as providers count.
std::string humanBytes(std::int64_t bytes);
// The same in parts, for a window to write in its user's language: {"1.2", "MB"}; whole bytes
// below 1000 ({"999", "B"}).
struct ByteFigure
{
    std::string figure; // with a decimal point
    const char* unit; // "B", "kB", "MB", "GB", "TB" or "PB"
};
ByteFigure byteFigure(std::int64_t bytes);
// 3725 -> "1:02:05": hours, minutes and seconds.
std::string clockDuration(std::int64_t seconds);
// RFC 4180: a field with a comma, quote or line break is quoted, its quotes doubled.
std::string csvField(const std::string& text);
// ISO 8601 with the local offset in force then, so the text names one moment.
std::string isoLocal(std::int64_t seconds);
// "2026-03-28", "2026-03" or "2026": the local period starting at `start`.
std::string periodLabel(std::int64_t start, Period period);
// "day", "month", "year" (an hour is reported as its day).
const char* periodName(Period period);

// One line per period (CRLF, with a header), or a JSON document naming the report and the
// entry name it covers (empty: all).
std::string periodsCsv(const std::vector<ReportRow>& rows, Period period);
std::string periodsJson(const std::vector<ReportRow>& rows, Period period, const std::string& name);
// One line per connection (CRLF, with a header), or a JSON document.
std::string callsCsv(const std::vector<ConnectionRecord>& calls);
std::string callsJson(const std::vector<ConnectionRecord>& calls);

} // namespace usage
