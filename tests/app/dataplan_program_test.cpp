// SPDX-License-Identifier: GPL-3.0-or-later
// The real program warns of a data plan's thresholds once per billing cycle, across restarts,
// and again in the next cycle; a cycle on day 31 rolls over on 28 February and on 31 March.
#include "tests/app/programfixture.h"

#include <gtest/gtest.h>
#include <regex>

using testing_support::Program;
using testing_support::RunOptions;

namespace {

class DataPlanProgram : public Program
{
protected:
    DataPlanProgram()
    {
        // 6000 bytes a second both ways: 80% of 100 kB in some 14 seconds.
        m_store.WriteString(
            QStringLiteral("Plans\\MyISP"), QStringLiteral("Limit"), QStringLiteral("100 kB"));
        m_store.WriteString(
            QStringLiteral("Plans\\MyISP"), QStringLiteral("Cycle"), QStringLiteral("monthly 31"));
    }
    // Online from a second after `startTime`, at twenty times the real speed.
    std::string at(const std::string& startTime)
    {
        return scenarioFile(R"({ "startTime": ")" + startTime + R"(", "timeScale": 20,
            "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
            "traffic": [[0, 100000, 1000, 5000]] }] })");
    }
    testing_support::ProcessResult runUntil(
        const std::string& file, std::function<bool(const std::string&)> done)
    {
        RunOptions options;
        options.environment = { { "TZ", "Europe/Berlin" } };
        return run(file, std::move(done), options);
    }
    // The plan's warning lines as the log category gave them: threshold and days left.
    static std::vector<std::pair<int, int>> warnings(const std::string& err)
    {
        const std::regex line(
            R"(vantrel\.log: Data plan of MyISP: (\d+)% reached \([0-9.]+ of 100\.0 kB, \d+%, (\d+) days? left\)\.)");
        std::vector<std::pair<int, int>> found;
        for (auto it = std::sregex_iterator(err.begin(), err.end(), line);
             it != std::sregex_iterator(); ++it)
            found.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
        return found;
    }
    QString warned()
    {
        return m_store.ReadString(
            QStringLiteral("Plans\\MyISP"), QStringLiteral("Warned"), QStringLiteral("<missing>"));
    }
};

TEST_F(DataPlanProgram, EachThresholdWarnsOncePerCycleNotAfterARestartAndAgainInTheNext)
{
    using Warnings = std::vector<std::pair<int, int>>;
    // Thirty seconds before the midnight that begins 28 February's cycle.
    const auto first = runUntil(at("2027-02-27T23:59:30+01:00"),
        [](const std::string& err) { return warnings(err).size() >= 4; });
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(warnings(first.err), (Warnings { { 80, 1 }, { 100, 1 }, { 80, 31 }, { 100, 31 } }))
        << "each threshold once in January's cycle (its last day), then again in the one from "
           "28 February to 30 March\n"
        << first.err;
    EXPECT_EQ(warned(), QStringLiteral("2027-02-28 80,100"));

    // A restart within the cycle, well past both thresholds: nothing is said again.
    const auto second = runUntil(at("2027-02-28T00:05:00+01:00"),
        [](const std::string& err) { return lastTickSent(err) >= 30'000; });
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(warnings(second.err), Warnings {}) << second.err;
    EXPECT_EQ(warned(), QStringLiteral("2027-02-28 80,100"));

    // The same cycle's last evening, summer time by then: the next cycle begins on 31 March.
    const auto third = runUntil(at("2027-03-30T23:59:30+02:00"),
        [](const std::string& err) { return warnings(err).size() >= 2; });
    ASSERT_EQ(third.exitCode, 0) << third.err;
    EXPECT_EQ(warnings(third.err), (Warnings { { 80, 30 }, { 100, 30 } }))
        << "the cycle from 31 March to 29 April\n"
        << third.err;
    EXPECT_EQ(warned(), QStringLiteral("2027-03-31 80,100"));
}

TEST_F(DataPlanProgram, AStoredPlanThatDoesNotParseIsNamedInTheLog)
{
    m_store.WriteString(
        QStringLiteral("Plans\\MyISP"), QStringLiteral("Limit"), QStringLiteral("5 XB"));
    const auto result = runUntil(at("2027-02-27T12:00:00+01:00"),
        [](const std::string& err) { return err.find("MyISP connected.") != std::string::npos; });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("vantrel.log: Data plan Plans\\MyISP\\Limit not used: \"5 XB\" is "
                              "not a data limit"),
        std::string::npos)
        << result.err;
}

} // namespace
