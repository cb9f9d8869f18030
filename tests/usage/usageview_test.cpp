// SPDX-License-Identifier: GPL-3.0-or-later
// What the usage window can show: its choices, the one it opens with, the periods it steps
// through, and what is left to use each day.
#include "tests/support/timezone.h"
#include "usage/usagereport.h"
#include "usage/usageview.h"

#include <QDateTime>
#include <gtest/gtest.h>

using usage::DataPlan;
using usage::ViewChoice;

namespace {

constexpr auto kCycles = ViewChoice::Kind::Cycles;
constexpr auto kMonths = ViewChoice::Kind::Months;

DataPlan plan(const QString& name, int day = 1)
{
    DataPlan result;
    result.name = name;
    result.limit = { 5'000'000'000, QStringLiteral("GB") };
    result.cycle.day = day;
    return result;
}

TEST(UsageViewChoices, PlansFirstThenTheMonthsOfAllAndOfEachName)
{
    const std::vector<DataPlan> plans = { plan(QStringLiteral("Mobile")), plan({}) };
    const auto choices = usage::viewChoices(plans,
        { QStringLiteral("Tether"), QStringLiteral("Mobile"), QString(),
            QStringLiteral("Tether") });
    const std::vector<ViewChoice> expected
        = { { kCycles, {} }, { kCycles, QStringLiteral("Mobile") }, { kMonths, {} },
              { kMonths, QStringLiteral("Mobile") }, { kMonths, QStringLiteral("Tether") } };
    EXPECT_EQ(choices, expected);
    EXPECT_EQ(usage::viewChoices({}, {}), (std::vector<ViewChoice> { { kMonths, {} } }))
        << "all connections' months are always there";
}

TEST(UsageViewChoices, TheWindowOpensWithThePlanTheTrayFollows)
{
    struct Row
    {
        const char* name;
        std::vector<DataPlan> plans;
        const char* entry;
        ViewChoice chosen;
    };
    const Row rows[] = {
        { "the entry's own plan", { plan({}), plan(QStringLiteral("Mobile")) }, "Mobile",
            { kCycles, QStringLiteral("Mobile") } },
        { "else the plan for all", { plan({}), plan(QStringLiteral("Mobile")) }, "Tether",
            { kCycles, {} } },
        { "no plan for it", { plan(QStringLiteral("Mobile")) }, "Tether", { kMonths, {} } },
        { "no connection known", {}, "", { kMonths, {} } },
    };
    for (const auto& row : rows)
        EXPECT_EQ(usage::firstChoice(row.plans, QString::fromUtf8(row.entry)), row.chosen)
            << row.name;
}

TEST(UsageViewPeriods, CyclesAndMonthsStepBackAndOnWithoutAGapOrOverlap)
{
    testing_support::TimeZone zone("Europe/Berlin");
    DataPlan every = plan(QStringLiteral("Tether"));
    every.cycle.kind = usage::BillingCycle::Kind::EveryDays;
    every.cycle.days = 28;
    every.cycle.from = QDate(2026, 1, 3);
    const std::vector<DataPlan> plans = { plan({}, 31), every };
    struct Row
    {
        const char* name;
        ViewChoice choice;
        QDate day;
        QDate first;
        QDate last;
    };
    const Row rows[] = {
        { "a calendar month", { kMonths, QStringLiteral("Mobile") }, QDate(2026, 3, 20),
            QDate(2026, 3, 1), QDate(2026, 3, 31) },
        { "a short month", { kMonths, {} }, QDate(2026, 2, 1), QDate(2026, 2, 1),
            QDate(2026, 2, 28) },
        { "a cycle on the 31st", { kCycles, {} }, QDate(2026, 3, 20), QDate(2026, 2, 28),
            QDate(2026, 3, 30) },
        { "every 28 days", { kCycles, QStringLiteral("Tether") }, QDate(2026, 3, 20),
            QDate(2026, 2, 28), QDate(2026, 3, 27) },
    };
    for (const auto& row : rows) {
        const auto period = usage::periodOf(row.choice, plans, row.day);
        ASSERT_TRUE(period) << row.name;
        EXPECT_EQ(period->first, row.first) << row.name;
        EXPECT_EQ(period->last, row.last) << row.name;
        EXPECT_EQ(period->start, usage::dayStart(row.first)) << row.name;
        EXPECT_EQ(period->end, usage::dayStart(row.last.addDays(1))) << row.name;
        EXPECT_EQ(period->plan.has_value(), row.choice.kind == kCycles) << row.name;
        // Twelve steps back and as many on come back to the same period, each next to the other.
        auto stepped = *period;
        for (int i = 0; i < 12; ++i) {
            const auto before = usage::periodOf(row.choice, plans, stepped.first.addDays(-1));
            ASSERT_TRUE(before) << row.name;
            EXPECT_EQ(before->end, stepped.start) << row.name << ", step " << i;
            EXPECT_LT(before->first, stepped.first) << row.name;
            stepped = *before;
        }
        for (int i = 0; i < 12; ++i)
            stepped = *usage::periodOf(row.choice, plans, stepped.last.addDays(1));
        EXPECT_EQ(stepped.first, row.first) << row.name;
        EXPECT_EQ(stepped.last, row.last) << row.name;
    }
    EXPECT_FALSE(usage::periodOf({ kCycles, QStringLiteral("Gone") }, plans, QDate(2026, 3, 20)))
        << "a plan no longer there has no cycles";
}

TEST(UsageViewPeriods, WhatIsLeftIsSharedOutOverTheDaysLeft)
{
    struct Row
    {
        const char* name;
        std::int64_t used;
        int daysLeft;
        std::optional<std::int64_t> perDay;
    };
    const usage::ByteLimit limit { 5'000'000'000, QStringLiteral("GB") };
    const Row rows[] = {
        { "nothing used", 0, 10, 500'000'000 },
        { "part used", 2'000'000'000, 12, 250'000'000 },
        { "rounded down to stay within", 2'000'000'000, 7, 428'571'428 },
        { "the last day", 4'900'000'000, 1, 100'000'000 },
        { "the limit reached", 5'000'000'000, 3, 0 },
        { "past it", 7'000'000'000, 3, 0 },
        { "no day left", 1'000, 0, std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(usage::leftPerDay(row.used, limit, row.daysLeft), row.perDay) << row.name;
}

} // namespace
