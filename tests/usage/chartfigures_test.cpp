// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the usage window draws: axis tops and rows, the projection to a cycle's end, the
// running total a plan counts, and one bar per period.
#include "usage/chartscale.h"
#include "usage/cycleprojection.h"
#include "usage/periodseries.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

TEST(ChartScale, TheTopIsTheNextRoundFigure)
{
    struct Row
    {
        const char* name;
        std::int64_t value;
        std::int64_t top;
    };
    const Row rows[] = {
        { "nothing", 0, 1 },
        { "one byte", 1, 1 },
        { "three bytes", 3, 5 },
        { "no 2.5 below ten", 2, 2 },
        { "a round figure stays", 2000, 2000 },
        { "just above", 2001, 2500 },
        { "between 2.5 and 5", 3'100'000, 5'000'000 },
        { "above 5", 6'100'000'000, 10'000'000'000 },
        { "ten years of a fast link", 900'000'000'000'000, 1'000'000'000'000'000 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(usage::roundedTop(row.value), row.top) << row.name;
}

TEST(ChartScale, RowsRunFromTheBottomToTheTopAndStayWithin)
{
    struct Row
    {
        const char* name;
        std::int64_t value;
        int row;
    };
    // An axis of 0..1000 from row 110 (bottom) to row 10 (top): ten values a row.
    const Row rows[] = {
        { "zero at the bottom", 0, 110 },
        { "the top", 1000, 10 },
        { "a quarter", 250, 85 },
        { "rounded to the nearest row", 254, 85 },
        { "rounded up", 256, 84 },
        { "above the top stays on it", 5000, 10 },
        { "negative stays on the bottom", -5, 110 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(usage::rowOf(row.value, 1000, 10, 110), row.row) << row.name;
    EXPECT_EQ(usage::rowOf(5, 0, 10, 110), 110) << "an empty axis puts all at the bottom";
}

TEST(CycleProjection, LinearFromTheUsageSoFar)
{
    struct Row
    {
        const char* name;
        std::int64_t used;
        std::int64_t now; // seconds into a 30-day cycle
        std::optional<std::int64_t> projected;
    };
    const std::int64_t day = 86400;
    const Row rows[] = {
        { "a third of the cycle", 2'000'000'000, 10 * day, 6'000'000'000 },
        { "half way", 1'000, 15 * day, 2'000 },
        { "nothing used", 0, 5 * day, 0 },
        { "the first hour says nothing", 500'000'000, 1800, std::nullopt },
        { "nor do the first day's hours", 500'000'000, day - 1, std::nullopt },
        { "after the first day", 1'000, day, 30'000 },
        { "the cycle is over", 9'000, 30 * day, std::nullopt },
        { "before the cycle", 9'000, -day, std::nullopt },
        { "no overflow for huge figures", INT64_MAX / 4, 15 * day, INT64_MAX / 4 * 2 },
    };
    const std::int64_t start = 1'700'000'000;
    for (const auto& row : rows) {
        const auto projected
            = usage::projectAtCycleEnd(row.used, start, start + 30 * day, start + row.now);
        ASSERT_EQ(projected.has_value(), row.projected.has_value()) << row.name;
        if (projected) {
            EXPECT_NEAR(static_cast<double>(*projected), static_cast<double>(*row.projected),
                static_cast<double>(*row.projected) * 1e-9)
                << row.name;
        }
    }
}

TEST(CycleProjection, ThePlanCountsBothDirectionsOrTheDownloadAlone)
{
    const std::vector<usage::ReportRow> days
        = { { 0, 86400, 10, 100 }, { 86400, 86400, 0, 0 }, { 172800, 86400, 5, 50 } };
    EXPECT_EQ(usage::cumulative(days, false), (std::vector<std::int64_t> { 110, 110, 165 }));
    EXPECT_EQ(usage::cumulative(days, true), (std::vector<std::int64_t> { 100, 100, 150 }));
}

TEST(PeriodSeries, EveryDayHasARowAndTheReportsRowsKeepTheirBytes)
{
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    const auto local = [](int month, int day) {
        return QDateTime(QDate(2026, month, day), QTime(0, 0)).toSecsSinceEpoch();
    };
    const std::vector<usage::ReportRow> rows
        = { { local(3, 28), 86400, 1, 2 }, { local(3, 30), 86400, 3, 4 } };
    const auto days = usage::everyPeriod(rows, local(3, 27), local(4, 1), usage::Period::Day);
    ASSERT_EQ(days.size(), 5u);
    EXPECT_EQ(days[0].start, local(3, 27));
    EXPECT_EQ(days[0].sent + days[0].received, 0);
    EXPECT_EQ(days[1].received, 2);
    EXPECT_EQ(days[2].length, 23 * 3600) << "the spring-forward day is 23 hours long";
    EXPECT_EQ(days[3].sent, 3);
    EXPECT_EQ(days[4].start, local(3, 31));
    const auto months = usage::everyPeriod(rows, local(1, 1), local(4, 1), usage::Period::Month);
    ASSERT_EQ(months.size(), 3u) << "months without traffic are there too";
    EXPECT_EQ(months[2].start, local(3, 1));
    ::setenv("TZ", "UTC", 1);
    ::tzset();
}

} // namespace
