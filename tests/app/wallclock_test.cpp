// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dates and times come from the scenario's wall clock, in the TZ zone.
#include "tests/app/programfixture.h"

#include <gtest/gtest.h>
#include <regex>

using testing_support::Program;
using testing_support::RunOptions;

namespace {

// Guards against dates taken from the machine's own clock instead of the platform's.
TEST_F(Program, TheLogFileDatesComeFromTheScenarioStartTimeInTheLocalZone)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    // 23:59:40 in Berlin (UTC+1): the connection goes online before midnight and off after.
    const std::string file = scenarioFile(R"({ "startTime": "2026-03-28T22:59:40Z",
        "timeScale": 20, "connections": [{ "name": "MyISP", "dialAt": 1,
        "states": [[0, 2], [1, 8192]], "dropAt": 40, "clientIp": "10.64.1.7",
        "traffic": [[0, 100, 1000, 5000]] }] })");
    RunOptions options;
    options.environment = { { "TZ", "Europe/Berlin" } };
    const auto result = run(file, untilSaid("MyISP disconnected."), options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = logFileLines();
    ASSERT_EQ(lines.size(), 2u);
    const std::regex record(
        R"(^28 Mar 2026 23:59:(4\d|5\d),29 Mar 2026 00:00:(1\d|2\d),MyISP,[^\r]*\r)");
    EXPECT_TRUE(std::regex_match(lines[1], record)) << lines[1];
    EXPECT_NE(stored("DateTimeOnline").indexOf(QStringLiteral("Offline: 29 Mar 2026 00:00:")), -1)
        << stored("DateTimeOnline").toStdString();
}

TEST_F(Program, ABadStartTimeStopsWithALineNamingIt)
{
    const std::string file = scenarioFile(
        R"({ "startTime": "28.03.2026 23:59", "connections": [{ "name": "MyISP" }] })");
    const auto result = run(file, {});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("startTime: '28.03.2026 23:59' is not an ISO 8601 date and time"),
        std::string::npos)
        << result.err;
}

} // namespace
