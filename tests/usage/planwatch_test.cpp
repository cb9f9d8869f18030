// SPDX-License-Identifier: GPL-3.0-or-later
// Data plans as registry values, and following them through their cycles from the recorder's
// running figures.
#include "components/base/storedsettings.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/timezone.h"
#include "usage/planstore.h"
#include "usage/planwatch.h"
#include "usage/usagerecorder.h"
#include "usage/usageview.h"

#include <QDateTime>
#include <gtest/gtest.h>

using usage::DataPlan;
using usage::PlanWatch;
using usage::UsageRecorder;

namespace {

class Plans : public testing::Test
{
protected:
    Plans() { settings::useMonitorKey(m_store); }
    static DataPlan plan(const QString& name, const char* limit, int day = 31)
    {
        DataPlan result;
        result.name = name;
        result.limit = *usage::parseLimit(QString::fromUtf8(limit)).limit;
        result.cycle.day = day;
        return result;
    }
    static std::int64_t localMs(const QDate& date, int hour = 0, int minute = 0, int second = 0)
    {
        return QDateTime(date, QTime(hour, minute, second)).toMSecsSinceEpoch();
    }
    std::filesystem::path history() const { return m_runtime.configHome() / "usage.sqlite3"; }
    UsageRecorder recorder()
    {
        return UsageRecorder(history(), [](const std::string&) {});
    }
    // Online from `fromMs` for `seconds`, `perSecond` bytes received each second.
    static void traffic(UsageRecorder& recorder, PlanWatch* watch, std::int64_t fromMs, int seconds,
        std::int64_t perSecond, std::vector<PlanWatch::Warning>* warnings = nullptr)
    {
        usage::ConnectionRecord call;
        call.name = "Mobile";
        recorder.connected(call, fromMs, 1000);
        for (int s = 1; s <= seconds; ++s) {
            const std::int64_t now = fromMs + s * 1000;
            recorder.measured(now, 1000 + static_cast<std::uint64_t>(s) * 1000, 0, perSecond, s);
            if (watch) {
                auto reached = watch->check(now / 1000);
                if (warnings)
                    warnings->insert(warnings->end(), reached.begin(), reached.end());
            }
        }
        recorder.disconnected(fromMs + seconds * 1000);
    }

    testing_support::TimeZone m_zone { "Europe/Berlin" };
    testing_support::ScratchRuntime m_runtime;
    TMyReg m_store;
};

TEST_F(Plans, RoundTripThroughTheRegistryForAllAndPerEntryName)
{
    DataPlan forAll = plan({}, "50 GB", 1);
    DataPlan mobile = plan(QStringLiteral("Mobile \\ 100% LTE"), "2.5 GiB", 15);
    mobile.downloadOnly = true;
    mobile.thresholds = { 50, 90, 100 };
    DataPlan every = plan(QStringLiteral("Tether"), "500 MB");
    every.cycle.kind = usage::BillingCycle::Kind::EveryDays;
    every.cycle.days = 28;
    every.cycle.from = QDate(2026, 1, 3);
    for (const auto& p : { forAll, mobile, every })
        EXPECT_EQ(usage::savePlan(m_store, p), QString());
    EXPECT_EQ(usage::planSection(mobile.name), QStringLiteral("Plans\\Mobile %5C 100%25 LTE"));
    EXPECT_EQ(m_store.ReadString(
                  QStringLiteral("Plans\\Mobile %5C 100%25 LTE"), QStringLiteral("Limit"), {}),
        QStringLiteral("2.5 GiB"));
    EXPECT_EQ(m_store.ReadString(QStringLiteral("Plans\\Tether"), QStringLiteral("Cycle"), {}),
        QStringLiteral("every 28 days from 2026-01-03"));

    const auto loaded = usage::loadPlans(m_store);
    EXPECT_TRUE(loaded.problems.isEmpty()) << loaded.problems.join('\n').toStdString();
    ASSERT_EQ(loaded.plans.size(), 3u);
    EXPECT_TRUE(loaded.plans[0].name.isEmpty()) << "the plan for all comes first";
    EXPECT_EQ(loaded.plans[0].limit.bytes, 50'000'000'000);
    const DataPlan* read = usage::planFor(loaded.plans, mobile.name);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->name, mobile.name) << "the escaped key name reads back as the entry name";
    EXPECT_TRUE(read->downloadOnly);
    EXPECT_EQ(read->limit.bytes, mobile.limit.bytes);
    EXPECT_EQ(read->thresholds, mobile.thresholds);
    EXPECT_TRUE(read->cycle == mobile.cycle);
    EXPECT_TRUE(usage::planFor(loaded.plans, QStringLiteral("Tether"))->cycle == every.cycle);

    usage::clearPlan(m_store, mobile.name);
    usage::clearPlan(m_store, {});
    const auto left = usage::loadPlans(m_store);
    ASSERT_EQ(left.plans.size(), 1u);
    EXPECT_EQ(left.plans[0].name, QStringLiteral("Tether"));
}

TEST_F(Plans, AStoredValueThatDoesNotParseIsNamedAndThePlanLeftOut)
{
    struct Row
    {
        const char* value;
        const char* text;
        const char* says;
    };
    const Row rows[] = {
        { "Limit", "5 XB", "Plans\\Mobile\\Limit not used: \"5 XB\" is not a data limit" },
        { "Counts", "upload", "Plans\\Mobile\\Counts not used: \"upload\" is neither" },
        { "Cycle", "weekly", "Plans\\Mobile\\Cycle not used: \"weekly\" is not a billing cycle" },
        { "Thresholds", "80,x", "Plans\\Mobile\\Thresholds not used: \"80,x\"" },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(usage::savePlan(m_store, plan(QStringLiteral("Mobile"), "1 GB")), QString());
        m_store.WriteString(QStringLiteral("Plans\\Mobile"), QString::fromUtf8(row.value),
            QString::fromUtf8(row.text));
        const auto loaded = usage::loadPlans(m_store);
        EXPECT_TRUE(loaded.plans.empty()) << row.value;
        ASSERT_EQ(loaded.problems.size(), 1) << row.value;
        EXPECT_NE(loaded.problems[0].toStdString().find(row.says), std::string::npos)
            << loaded.problems[0].toStdString();
        usage::clearPlan(m_store, QStringLiteral("Mobile"));
    }
}

TEST_F(Plans, ChangingAPlanForgetsWhatWasWarnedUnderTheOldOne)
{
    DataPlan mobile = plan(QStringLiteral("Mobile"), "1 GB");
    ASSERT_EQ(usage::savePlan(m_store, mobile), QString());
    const auto cycle = usage::cycleOf(mobile.cycle, QDate(2027, 2, 10));
    usage::setWarned(m_store, mobile, cycle, { 80 });
    EXPECT_EQ(usage::warnedIn(m_store, mobile, cycle), (std::vector<int> { 80 }));
    EXPECT_TRUE(
        usage::warnedIn(m_store, mobile, usage::cycleOf(mobile.cycle, QDate(2027, 3, 10))).empty())
        << "another cycle has nothing warned";
    ASSERT_EQ(usage::savePlan(m_store, mobile), QString());
    EXPECT_EQ(usage::warnedIn(m_store, mobile, cycle), (std::vector<int> { 80 }))
        << "saving the same plan keeps it";
    mobile.limit.bytes *= 2;
    ASSERT_EQ(usage::savePlan(m_store, mobile), QString());
    EXPECT_TRUE(usage::warnedIn(m_store, mobile, cycle).empty());
}

// Guards against warning twice in a cycle, never again in the next, or again after a restart.
TEST_F(Plans, EachThresholdWarnsOncePerCycleAcrossRestartsAndAgainInTheNext)
{
    ASSERT_EQ(usage::savePlan(m_store, plan(QStringLiteral("Mobile"), "100 kB", 31)), QString());
    const std::int64_t evening = localMs(QDate(2027, 2, 27), 23, 55);
    std::vector<PlanWatch::Warning> warnings;
    {
        UsageRecorder recording = recorder();
        PlanWatch watch(m_store, recording);
        EXPECT_TRUE(watch.reload(evening / 1000).isEmpty());
        // 1 kB a second for 60 s before midnight: 60%, no warning yet.
        traffic(recording, &watch, evening, 60, 1000, &warnings);
        EXPECT_TRUE(warnings.empty());
        EXPECT_EQ(watch.stateLine(QStringLiteral("Mobile"), evening / 1000 + 60).toStdString(),
            "60.0 of 100.0 kB, 60%, 1 day left");
    }
    {
        // A restart before midnight: 60% read back from the history, 80% reached after 20 s.
        UsageRecorder recording = recorder();
        PlanWatch watch(m_store, recording);
        watch.reload(evening / 1000 + 60);
        EXPECT_EQ(watch.stateLine(QStringLiteral("Mobile"), evening / 1000 + 60).toStdString(),
            "60.0 of 100.0 kB, 60%, 1 day left");
        traffic(recording, &watch, evening + 60'000, 50, 1000, &warnings);
        ASSERT_EQ(warnings.size(), 2u);
        EXPECT_EQ(warnings[0].threshold, 80);
        EXPECT_EQ(warnings[0].state.toStdString(), "80.0 of 100.0 kB, 80%, 1 day left");
        EXPECT_EQ(warnings[1].threshold, 100);
    }
    {
        // Within the same cycle again: nothing more, though the use goes on.
        UsageRecorder recording = recorder();
        PlanWatch watch(m_store, recording);
        watch.reload(evening / 1000 + 110);
        traffic(recording, &watch, evening + 110'000, 5, 1000, &warnings);
        EXPECT_EQ(warnings.size(), 2u);
        EXPECT_EQ(m_store.ReadString(QStringLiteral("Plans\\Mobile"), QStringLiteral("Warned"), {}),
            QStringLiteral("2027-01-31 80,100"));
    }
    {
        // Across midnight into 28 February: a new cycle, counted from its own bytes only.
        UsageRecorder recording = recorder();
        PlanWatch watch(m_store, recording);
        const std::int64_t late = localMs(QDate(2027, 2, 27), 23, 59, 30);
        watch.reload(late / 1000);
        traffic(recording, &watch, late, 120, 1000, &warnings);
        EXPECT_EQ(watch.stateLine(QStringLiteral("Mobile"), late / 1000 + 120).toStdString(),
            "90.0 of 100.0 kB, 90%, 31 days left")
            << "the 30 seconds before midnight belong to the old cycle";
        ASSERT_EQ(warnings.size(), 3u);
        EXPECT_EQ(warnings[2].threshold, 80);
        EXPECT_EQ(warnings[2].state.toStdString(), "80.0 of 100.0 kB, 80%, 31 days left");
        EXPECT_EQ(m_store.ReadString(QStringLiteral("Plans\\Mobile"), QStringLiteral("Warned"), {}),
            QStringLiteral("2027-02-28 80"));
    }
}

TEST_F(Plans, TheLevelIsTheLimitFromAHundredPercentAndAWarningPastALowerThreshold)
{
    for (const auto& [thresholds, at90] :
        { std::pair { std::vector<int> { 80, 100 }, PlanWatch::Level::Warning },
            std::pair { std::vector<int> { 120 }, PlanWatch::Level::None } }) {
        SCOPED_TRACE(thresholds.front());
        DataPlan mobile = plan(QStringLiteral("Mobile"), "100 kB", 31);
        mobile.thresholds = thresholds;
        ASSERT_EQ(usage::savePlan(m_store, mobile), QString());
        std::filesystem::remove(history());
        UsageRecorder recording = recorder();
        PlanWatch watch(m_store, recording);
        const std::int64_t noon = localMs(QDate(2027, 3, 10), 12);
        watch.reload(noon / 1000);
        EXPECT_EQ(watch.level(QStringLiteral("Mobile")), PlanWatch::Level::None);
        traffic(recording, &watch, noon, 79, 1000);
        EXPECT_EQ(watch.level(QStringLiteral("Mobile")), PlanWatch::Level::None) << "79%";
        traffic(recording, &watch, noon + 100'000, 11, 1000);
        EXPECT_EQ(watch.level(QStringLiteral("Mobile")), at90) << "90%";
        traffic(recording, &watch, noon + 200'000, 10, 1000);
        EXPECT_EQ(watch.level(QStringLiteral("Mobile")), PlanWatch::Level::Limit)
            << "100% is the limit whatever the thresholds";
        EXPECT_EQ(watch.level(QStringLiteral("Other")), PlanWatch::Level::None) << "no plan";
    }
}

TEST_F(Plans, APlanForAllCountsEveryNameAndTheWindowsViewIsOneCall)
{
    DataPlan forAll = plan({}, "1 MB", 1);
    forAll.downloadOnly = true;
    ASSERT_EQ(usage::savePlan(m_store, forAll), QString());
    UsageRecorder recording = recorder();
    PlanWatch watch(m_store, recording);
    const std::int64_t noon = localMs(QDate(2026, 5, 20), 12);
    watch.reload(noon / 1000);
    traffic(recording, &watch, noon, 10, 50'000);
    EXPECT_EQ(watch.stateLine(QStringLiteral("Anything"), noon / 1000 + 10).toStdString(),
        "0.5 of 1.0 MB, 50%, 12 days left");
    const auto plans = usage::loadPlans(m_store).plans;
    const auto period = usage::periodOf(
        usage::firstChoice(plans, QStringLiteral("Anything")), plans, QDate(2026, 5, 20));
    ASSERT_TRUE(period && period->plan);
    EXPECT_EQ(period->plan->limit.bytes, 1'000'000);
    EXPECT_TRUE(period->plan->downloadOnly);
    EXPECT_EQ(period->first, QDate(2026, 5, 1));
    EXPECT_EQ(period->last, QDate(2026, 5, 31));
}

} // namespace
