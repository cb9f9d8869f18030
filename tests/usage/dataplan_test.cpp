// SPDX-License-Identifier: GPL-3.0-or-later
// Data plans: limits as written, billing cycles in local time, use and the state line.
#include "tests/support/timezone.h"
#include "usage/dataplan.h"
#include "usage/usagereport.h"
#include "usage/usageview.h"

#include <QDateTime>
#include <gtest/gtest.h>

using usage::BillingCycle;
using usage::DataPlan;

namespace {

class Zone : public testing::Test
{
protected:
    testing_support::TimeZone m_zone { "Europe/Berlin" };
    static std::int64_t local(const QDate& date, int hour = 0, int minute = 0)
    {
        return QDateTime(date, QTime(hour, minute)).toSecsSinceEpoch();
    }
};

BillingCycle monthly(int day)
{
    BillingCycle cycle;
    cycle.day = day;
    return cycle;
}

BillingCycle every(int days, QDate from)
{
    BillingCycle cycle;
    cycle.kind = BillingCycle::Kind::EveryDays;
    cycle.days = days;
    cycle.from = from;
    return cycle;
}

TEST(DataPlanLimit, ParsesDecimalAndBinaryUnits)
{
    struct Row
    {
        const char* text;
        std::int64_t bytes;
        const char* unit;
        const char* shown;
    };
    const Row rows[] = {
        { "500 MB", 500'000'000, "MB", "500 MB" },
        { "5 GB", 5'000'000'000, "GB", "5 GB" },
        { "2.5 GiB", 2'684'354'560, "GiB", "2.5 GiB" },
        { "  750MiB ", 786'432'000, "MiB", "750 MiB" },
        { "1 tb", 1'000'000'000'000, "TB", "1 TB" },
        { "100 kB", 100'000, "kB", "100 kB" },
        { "64 KiB", 65'536, "KiB", "64 KiB" },
        { "1234 B", 1234, "B", "1234 B" },
    };
    for (const auto& row : rows) {
        const auto parsed = usage::parseLimit(QString::fromUtf8(row.text));
        ASSERT_TRUE(parsed.limit) << row.text << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.limit->bytes, row.bytes) << row.text;
        EXPECT_EQ(parsed.limit->unit.toStdString(), row.unit) << row.text;
        EXPECT_EQ(usage::limitText(*parsed.limit).toStdString(), row.shown) << row.text;
        EXPECT_EQ(usage::parseLimit(usage::limitText(*parsed.limit)).limit->bytes, row.bytes)
            << "the shown text reads back as the same limit: " << row.text;
    }
}

TEST(DataPlanLimit, RefusesBadTextNamingIt)
{
    struct Row
    {
        const char* text;
        const char* says;
    };
    const Row rows[] = {
        { "", "write a number and a unit" },
        { "5", "write a number and a unit" },
        { "GB", "write a number and a unit" },
        { "5 XB", "the unit \"XB\" is not one of" },
        { "-5 GB", "write a number and a unit" },
        { "5,5 GB", "write a number and a unit" },
        { "0 MB", "at least one byte" },
        { "0.1 B", "at least one byte" },
        { "99999999 TB", "too large" },
    };
    for (const auto& row : rows) {
        const auto parsed = usage::parseLimit(QString::fromUtf8(row.text));
        EXPECT_FALSE(parsed.limit) << row.text;
        const std::string error = parsed.error.toStdString();
        EXPECT_NE(error.find(std::string("\"") + row.text + "\""), std::string::npos) << error;
        EXPECT_NE(error.find(row.says), std::string::npos) << error;
    }
}

TEST(DataPlanLimit, TakesTheLocalesDecimalMarkAsWellAsAPoint)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(usage::parseLimit(QStringLiteral("2,5 GB"), german).limit->bytes, 2'500'000'000);
    EXPECT_EQ(usage::parseLimit(QStringLiteral("2.5 GB"), german).limit->bytes, 2'500'000'000);
    EXPECT_FALSE(usage::parseLimit(QStringLiteral("2,5 GB")).limit) << "stored text: a point only";
}

TEST(DataPlanCycleText, ReadsBackWhatItWritesAndNamesBadText)
{
    for (const auto& cycle : { monthly(1), monthly(31), every(30, QDate(2026, 1, 15)) }) {
        const auto parsed = usage::parseCycle(usage::cycleText(cycle));
        ASSERT_TRUE(parsed.cycle) << parsed.error.toStdString();
        EXPECT_TRUE(*parsed.cycle == cycle) << usage::cycleText(cycle).toStdString();
    }
    for (const char* bad : { "monthly 0", "monthly 32", "weekly", "every 0 days from 2026-01-01",
             "every 30 days from 2026-02-30", "every 30 days" }) {
        const auto parsed = usage::parseCycle(QString::fromUtf8(bad));
        EXPECT_FALSE(parsed.cycle) << bad;
        EXPECT_NE(parsed.error.toStdString().find(bad), std::string::npos)
            << parsed.error.toStdString();
    }
}

TEST(DataPlanThresholds, SortsAndRefusesOutOfRange)
{
    const auto parsed = usage::parseThresholds(QStringLiteral("100, 80%,80"));
    ASSERT_TRUE(parsed.thresholds);
    EXPECT_EQ(*parsed.thresholds, (std::vector<int> { 80, 100 }));
    EXPECT_EQ(usage::thresholdsText(*parsed.thresholds).toStdString(), "80,100");
    for (const char* bad : { "", "0", "80,", "1001", "eighty" })
        EXPECT_FALSE(usage::parseThresholds(QString::fromUtf8(bad)).thresholds) << bad;
}

class DataPlanCycle : public Zone
{
};

TEST_F(DataPlanCycle, MonthlyCyclesClampToTheMonthsLastDay)
{
    struct Row
    {
        const char* name;
        int billingDay;
        QDate day;
        QDate first;
        QDate last;
    };
    const Row rows[] = {
        { "day 31, the day before the short February's end", 31, QDate(2027, 2, 27),
            QDate(2027, 1, 31), QDate(2027, 2, 27) },
        { "day 31 rolls over on 28 February", 31, QDate(2027, 2, 28), QDate(2027, 2, 28),
            QDate(2027, 3, 30) },
        { "day 31 rolls over on 29 February in a leap year", 31, QDate(2028, 2, 29),
            QDate(2028, 2, 29), QDate(2028, 3, 30) },
        { "day 31, 28 February of a leap year is in January's cycle", 31, QDate(2028, 2, 28),
            QDate(2028, 1, 31), QDate(2028, 2, 28) },
        { "day 31 rolls over on 31 March", 31, QDate(2027, 3, 31), QDate(2027, 3, 31),
            QDate(2027, 4, 29) },
        { "day 31, 30 March is in February's cycle", 31, QDate(2027, 3, 30), QDate(2027, 2, 28),
            QDate(2027, 3, 30) },
        { "day 31 in a 30-day month", 31, QDate(2027, 4, 30), QDate(2027, 4, 30),
            QDate(2027, 5, 30) },
        { "day 30 in February", 30, QDate(2027, 3, 1), QDate(2027, 2, 28), QDate(2027, 3, 29) },
        { "day 1", 1, QDate(2027, 12, 31), QDate(2027, 12, 1), QDate(2027, 12, 31) },
        { "day 15 across the year's end", 15, QDate(2027, 1, 3), QDate(2026, 12, 15),
            QDate(2027, 1, 14) },
    };
    for (const auto& row : rows) {
        const auto cycle = usage::cycleOf(monthly(row.billingDay), row.day);
        EXPECT_EQ(cycle.first, row.first) << row.name;
        EXPECT_EQ(cycle.last, row.last) << row.name;
        EXPECT_EQ(cycle.start, local(row.first)) << row.name;
        EXPECT_EQ(cycle.end, local(row.last.addDays(1))) << row.name;
    }
}

TEST_F(DataPlanCycle, EveryNDaysCyclesCountFromTheirDateBothWays)
{
    struct Row
    {
        const char* name;
        int days;
        QDate from;
        QDate day;
        QDate first;
    };
    const Row rows[] = {
        { "the first day", 30, QDate(2026, 1, 15), QDate(2026, 1, 15), QDate(2026, 1, 15) },
        { "the last day of the first cycle", 30, QDate(2026, 1, 15), QDate(2026, 2, 13),
            QDate(2026, 1, 15) },
        { "the second cycle", 30, QDate(2026, 1, 15), QDate(2026, 2, 14), QDate(2026, 2, 14) },
        { "years later", 28, QDate(2026, 1, 1), QDate(2029, 6, 1), QDate(2029, 5, 17) },
        { "before the date", 30, QDate(2026, 1, 15), QDate(2026, 1, 14), QDate(2025, 12, 16) },
        { "one day long", 1, QDate(2026, 1, 15), QDate(2026, 3, 3), QDate(2026, 3, 3) },
        { "weekly across spring forward", 7, QDate(2026, 3, 26), QDate(2026, 4, 1),
            QDate(2026, 3, 26) },
    };
    for (const auto& row : rows) {
        const auto cycle = usage::cycleOf(every(row.days, row.from), row.day);
        EXPECT_EQ(cycle.first, row.first) << row.name;
        EXPECT_EQ(cycle.last, row.first.addDays(row.days - 1)) << row.name;
        EXPECT_LE(cycle.first, row.day) << row.name;
        EXPECT_GE(cycle.last, row.day) << row.name;
    }
}

TEST_F(DataPlanCycle, DaylightSavingChangesGiveCyclesAnHourLessOrMore)
{
    struct Row
    {
        const char* name;
        BillingCycle cycle;
        QDate day;
        std::int64_t hours;
    };
    const Row rows[] = {
        { "March, spring forward on the 29th", monthly(1), QDate(2026, 3, 10), 31 * 24 - 1 },
        { "October, autumn back on the 25th", monthly(1), QDate(2026, 10, 10), 31 * 24 + 1 },
        { "the spring day alone", every(1, QDate(2026, 1, 1)), QDate(2026, 3, 29), 23 },
        { "the autumn day alone", every(1, QDate(2026, 1, 1)), QDate(2026, 10, 25), 25 },
        { "June", monthly(1), QDate(2026, 6, 10), 30 * 24 },
    };
    for (const auto& row : rows) {
        const auto cycle = usage::cycleOf(row.cycle, row.day);
        EXPECT_EQ(cycle.end - cycle.start, row.hours * 3600) << row.name;
        EXPECT_EQ(cycle.start, usage::dayStart(cycle.first)) << row.name;
        EXPECT_EQ(QDateTime::fromSecsSinceEpoch(cycle.start).time(), QTime(0, 0)) << row.name;
        EXPECT_EQ(QDateTime::fromSecsSinceEpoch(cycle.end).time(), QTime(0, 0)) << row.name;
    }
    // A moment just before and at local midnight fall in different one-day cycles.
    const auto spring = every(1, QDate(2026, 1, 1));
    const std::int64_t midnight = local(QDate(2026, 3, 30));
    EXPECT_EQ(usage::cycleAt(spring, midnight - 1).first, QDate(2026, 3, 29));
    EXPECT_EQ(usage::cycleAt(spring, midnight).first, QDate(2026, 3, 30));
}

class DataPlanUse : public Zone
{
protected:
    DataPlanUse()
    {
        plan.limit = *usage::parseLimit(QStringLiteral("5 GB")).limit;
        plan.cycle = monthly(15);
    }
    DataPlan plan;
};

TEST_F(DataPlanUse, CountsTheCyclesBucketsInTheDirectionsThatCount)
{
    const auto cycle = usage::cycleOf(plan.cycle, QDate(2026, 3, 20));
    const std::vector<usage::Bucket> buckets = {
        { "", cycle.start - usage::kFineSpan, usage::kFineSpan, 1000, 1000 }, // before
        { "", cycle.start, usage::kFineSpan, 10, 20 },
        { "", local(QDate(2026, 3, 29), 3), usage::kFineSpan, 100, 200 }, // on the 23-hour day
        { "", local(QDate(2026, 4, 1)), 86400, 1000, 2000 }, // a compacted day
        { "", cycle.end - usage::kFineSpan, usage::kFineSpan, 10000, 20000 },
        { "", cycle.end, usage::kFineSpan, 5000, 5000 }, // after
    };
    EXPECT_EQ(usage::usedInCycle(plan, cycle, buckets), 33330);
    plan.downloadOnly = true;
    EXPECT_EQ(usage::usedInCycle(plan, cycle, buckets), 22220);
}

TEST_F(DataPlanUse, TheStateLineSaysUsePercentAndDaysLeft)
{
    const auto cycle = usage::cycleOf(plan.cycle, QDate(2026, 4, 6));
    EXPECT_EQ(
        usage::stateText(plan, 3'200'000'000, cycle, local(QDate(2026, 4, 6), 12)).toStdString(),
        "3.2 of 5.0 GB, 64%, 9 days left");
    EXPECT_EQ(usage::stateText(plan, 5'123'000'000, cycle, local(QDate(2026, 4, 14), 23, 59))
                  .toStdString(),
        "5.1 of 5.0 GB, 102%, 1 day left");
    EXPECT_EQ(usage::percentOf(4'999'999'999, plan.limit), 99) << "100% only once reached";
    EXPECT_EQ(usage::percentOf(5'000'000'000, plan.limit), 100);
}

TEST_F(DataPlanUse, ThresholdsAreReachedOnceEach)
{
    EXPECT_TRUE(usage::newlyReached(plan, 3'999'999'999, {}).empty());
    EXPECT_EQ(usage::newlyReached(plan, 4'000'000'000, {}), (std::vector<int> { 80 }));
    EXPECT_TRUE(usage::newlyReached(plan, 4'500'000'000, { 80 }).empty());
    EXPECT_EQ(usage::newlyReached(plan, 6'000'000'000, { 80 }), (std::vector<int> { 100 }));
    EXPECT_EQ(usage::newlyReached(plan, 6'000'000'000, {}), (std::vector<int> { 80, 100 }));
}

TEST_F(DataPlanUse, TheEntrysOwnPlanComesBeforeTheOneForAll)
{
    DataPlan forAll = plan;
    DataPlan own = plan;
    own.name = QStringLiteral("Mobile");
    own.limit.bytes = 1000;
    own.downloadOnly = true;
    const std::vector<DataPlan> plans = { forAll, own };
    EXPECT_EQ(usage::planFor(plans, QStringLiteral("Mobile"))->limit.bytes, 1000);
    EXPECT_TRUE(usage::planFor(plans, QStringLiteral("Other"))->name.isEmpty());
    EXPECT_EQ(usage::planFor({ own }, QStringLiteral("Other")), nullptr);

    const auto chosen = usage::firstChoice(plans, QStringLiteral("Mobile"));
    EXPECT_EQ(chosen.name, QStringLiteral("Mobile")) << "the window opens with the same plan";
    const auto period = usage::periodOf(chosen, plans, QDate(2026, 4, 6));
    ASSERT_TRUE(period && period->plan);
    EXPECT_EQ(period->plan->limit.bytes, 1000);
    EXPECT_TRUE(period->plan->downloadOnly);
    EXPECT_EQ(period->first, QDate(2026, 3, 15));
    EXPECT_EQ(period->last, QDate(2026, 4, 14));
    EXPECT_EQ(
        usage::firstChoice({ own }, QStringLiteral("Other")).kind, usage::ViewChoice::Kind::Months);
}

TEST(DataPlanHint, TheStateLineJoinsTheHintWithin127Bytes)
{
    const QChar cr(13);
    const QString line = QStringLiteral("3.2 of 5.0 GB, 64%, 9 days left");
    const QString ordinary = QStringLiteral("Connection: MyISP") + cr
        + QStringLiteral("Speed: 57600 bps") + cr + QStringLiteral("Duration: 00:01:02") + cr
        + QStringLiteral("Client IP: 10.64.1.7");
    EXPECT_EQ(usage::hintWithPlanLine(ordinary, line), ordinary + cr + line);
    EXPECT_EQ(usage::hintWithPlanLine(ordinary, QString()), ordinary);

    // A long name: whole lines are dropped from the end, never a line cut in the middle.
    const QString longName = QStringLiteral("Connection: ") + QString(60, QLatin1Char('N')) + cr
        + QStringLiteral("Speed: 57600 bps") + cr + QStringLiteral("Duration: 00:01:02") + cr
        + QStringLiteral("Client IP: 10.64.1.7");
    const QString joined = usage::hintWithPlanLine(longName, line);
    EXPECT_LE(joined.toUtf8().size(), 127);
    EXPECT_TRUE(joined.endsWith(cr + line));
    EXPECT_TRUE(joined.startsWith(longName.section(cr, 0, 1) + cr)) << joined.toStdString();

    // A first line too long alone is cut at a character's edge, even in multi-byte text.
    const QString wide
        = QStringLiteral("Connection: ") + QString(100, QChar(0x00E9)) + cr + QStringLiteral("x");
    const QString cut = usage::hintWithPlanLine(wide, line);
    const QByteArray bytes = cut.toUtf8();
    EXPECT_LE(bytes.size(), 127);
    EXPECT_EQ(QString::fromUtf8(bytes), cut) << "no character was cut in two";
    EXPECT_TRUE(cut.section(cr, 0, 0).endsWith(QStringLiteral("..."))) << cut.toStdString();
    EXPECT_TRUE(cut.endsWith(cr + line));
    QString emoji;
    for (int i = 0; i < 60; ++i)
        emoji += QStringLiteral("😀");
    const QString emojiCut = usage::hintWithPlanLine(emoji, line);
    EXPECT_LE(emojiCut.toUtf8().size(), 127);
    EXPECT_FALSE(emojiCut.contains(QChar(0xFFFD)));
    EXPECT_EQ(QString::fromUtf8(emojiCut.toUtf8()), emojiCut) << "no surrogate pair was split";
}

} // namespace
