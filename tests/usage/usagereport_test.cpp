// SPDX-License-Identifier: GPL-3.0-or-later
// Reports in local time from UTC buckets.
#include "usage/usagereport.h"

#include <QDateTime>
#include <gtest/gtest.h>

using usage::Bucket;
using usage::Period;

namespace {

class Report : public testing::Test
{
protected:
    Report()
    {
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
    }
    ~Report() override
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    static std::int64_t local(int year, int month, int day, int hour = 0)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, 0)).toSecsSinceEpoch();
    }
    // One byte sent in every fine bucket of [from, to).
    static std::vector<Bucket> steady(std::int64_t from, std::int64_t to)
    {
        std::vector<Bucket> buckets;
        for (std::int64_t start = from; start < to; start += usage::kFineSpan)
            buckets.push_back({ "ISP", start, usage::kFineSpan, 1, 0 });
        return buckets;
    }
};

TEST_F(Report, DaylightSavingDaysHave23And25HoursAndEveryByte)
{
    struct Row
    {
        const char* name;
        int month;
        int day;
        std::int64_t hours;
    };
    const Row rows[] = {
        { "spring forward", 3, 29, 23 },
        { "autumn back", 10, 25, 25 },
        { "ordinary", 6, 1, 24 },
    };
    for (const auto& row : rows) {
        const QDate date(2026, row.month, row.day);
        const std::int64_t from = QDateTime(date.addDays(-1), QTime(0, 0)).toSecsSinceEpoch();
        const std::int64_t to = QDateTime(date.addDays(2), QTime(0, 0)).toSecsSinceEpoch();
        const auto days = usage::report(steady(from, to), Period::Day);
        ASSERT_EQ(days.size(), 3u) << row.name;
        EXPECT_EQ(days[1].start, local(2026, row.month, row.day)) << row.name;
        EXPECT_EQ(days[1].length, row.hours * 3600) << row.name;
        EXPECT_EQ(days[1].sent, row.hours * 4) << row.name << ": four fine buckets an hour";
        std::int64_t total = 0;
        for (const auto& day : days)
            total += day.sent;
        EXPECT_EQ(total, (to - from) / usage::kFineSpan) << row.name;
    }
}

TEST_F(Report, TheRepeatedAutumnHourIsTwoHours)
{
    const std::int64_t from = local(2026, 10, 25);
    const auto hours = usage::report(steady(from, from + 25 * 3600), Period::Hour);
    EXPECT_EQ(hours.size(), 25u);
    for (const auto& hour : hours)
        EXPECT_EQ(hour.sent, 4);
}

TEST_F(Report, MonthsAndYearsFollowTheLocalCalendar)
{
    // From the last local hour of January to the first of March.
    const auto months
        = usage::report(steady(local(2026, 1, 31, 23), local(2026, 3, 1, 1)), Period::Month);
    ASSERT_EQ(months.size(), 3u);
    EXPECT_EQ(months[0].sent, 4);
    EXPECT_EQ(months[1].sent, 28 * 24 * 4);
    EXPECT_EQ(months[1].length, 28 * 86400);
    EXPECT_EQ(months[2].sent, 4);
    const auto years
        = usage::report(steady(local(2025, 12, 31, 23), local(2026, 1, 1, 1)), Period::Year);
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[1].start, local(2026, 1, 1));
}

TEST_F(Report, DayBucketsOfCompactedHistoryCountInTheirDay)
{
    const std::vector<Bucket> buckets = { { "ISP", local(2026, 3, 29), 23 * 3600, 100, 7 },
        { "ISP", local(2026, 3, 30), 86400, 50, 3 } };
    const auto months = usage::report(buckets, Period::Month);
    ASSERT_EQ(months.size(), 1u);
    EXPECT_EQ(months[0].sent, 150);
    EXPECT_EQ(usage::report(buckets, Period::Day).size(), 2u);
}

} // namespace
