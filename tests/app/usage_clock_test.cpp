// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's usage history in local time: days of 23 and 25 hours at the daylight-saving
// changes, counters that jump back and a clock that leaps, each byte on one day and only once.
#include "tests/app/programfixture.h"
#include "tests/support/built.h"
#include "tests/support/csvtext.h"
#include "usage/usagereport.h"
#include "usage/usagestore.h"

#include <QDateTime>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <sstream>

using testing_support::Program;
using testing_support::RunOptions;
using usage::UsageStore;

namespace {

constexpr std::int64_t kUpRate = 1000;
constexpr std::int64_t kDownRate = 5000;

struct Figures
{
    std::int64_t sent = 0;
    std::int64_t received = 0;
};

// The Sent and Recv fields of the log file's records, added up.
Figures logFileTotal(const std::vector<std::string>& lines)
{
    const std::regex record(R"(^[^,]+,[^,]+,[^,]+,\d+,(\d+),(\d+),)");
    Figures total;
    for (const auto& line : lines) {
        std::smatch fields;
        if (std::regex_search(line, fields, record)) {
            total.sent += std::stoll(fields[1]);
            total.received += std::stoll(fields[2]);
        }
    }
    return total;
}

class UsageClock : public Program
{
protected:
    UsageClock()
    {
        m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
        if (const char* zone = std::getenv("TZ"))
            m_zone = zone;
    }
    ~UsageClock() override
    {
        if (m_zone)
            ::setenv("TZ", m_zone->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    std::filesystem::path history() const
    {
        return m_runtime.configHome() / "data" / "vantrel" / "usage.sqlite3";
    }
    testing_support::ProcessResult runUntilDown(
        const std::string& json, const std::string& lastName, const std::string& zone)
    {
        RunOptions options;
        options.environment = { { "TZ", zone } };
        return run(
            scenarioFile(json),
            [lastName](const std::string& err) {
                return err.find(lastName + " disconnected.") != std::string::npos;
            },
            options);
    }
    testing_support::ProcessResult usageTool(
        std::vector<std::string> arguments, const std::string& zone)
    {
        arguments.insert(arguments.begin(), testing_support::built::vantrelUsage);
        arguments.insert(arguments.end(), { "--csv", "--file", history().string() });
        return testing_support::runProcess(arguments, { { "TZ", zone } });
    }

private:
    std::optional<std::string> m_zone;
};

struct ChangeRow
{
    const char* name;
    const char* startTime; // a minute before a local midnight
    std::int64_t changeAfter; // seconds from the start to the daylight-saving change
    std::int64_t nextMidnightAfter; // seconds from the start to the midnight after the change day
    const char* days[3]; // local dates of the three days
    double changeDayHours;
};

class UsageClockChange : public UsageClock, public testing::WithParamInterface<ChangeRow>
{
};

// Guards against a 23- or 25-hour day losing or doubling the hour that the change moves.
TEST_P(UsageClockChange, TheChangeDayHasItsHoursAndEveryByteOnce)
{
    const ChangeRow& row = GetParam();
    // Across midnight into the change day, across the change, across the next midnight; the
    // clock leaps (offline) from one to the next.
    const std::int64_t change = row.changeAfter;
    const std::int64_t midnight = row.nextMidnightAfter;
    const std::int64_t firstLeap = change - 245;
    const std::int64_t secondLeap = midnight - 60 - (change + 125);
    std::ostringstream json;
    json << R"({ "profile": "xp", "timeScale": 60, "startTime": ")" << row.startTime
         << R"(", "clockJumps": [[125, )" << firstLeap << "], [370, " << secondLeap << R"(]],
        "connections": [
          { "name": "Night", "dialAt": 1, "states": [[0, 2], [1, 8192]], "dropAt": 120,
            "traffic": [[0, 1000, 1000, 5000]] },
          { "name": "Change", "dialAt": )"
         << change - 110 << R"(, "states": [[0, 2], [1, 8192]], "dropAt": )" << change + 120
         << R"(, "traffic": [[0, 1000, 1000, 5000]] },
          { "name": "Midnight", "dialAt": )"
         << midnight - 50 << R"(, "states": [[0, 2], [1, 8192]], "dropAt": )" << midnight + 60
         << R"(, "traffic": [[0, 1000, 1000, 5000]] }] })";
    const auto result = runUntilDown(json.str(), "Midnight", "Europe/Berlin");
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const auto days
        = usageTool({ "days", "--from", row.days[0], "--to", row.days[2] }, "Europe/Berlin");
    ASSERT_EQ(days.exitCode, 0) << days.err;
    const auto rows = testing_support::csvRowsAfterHeader(days.out);
    ASSERT_EQ(rows.size(), 3u) << days.out;
    Figures reported;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 5u) << days.out;
        EXPECT_EQ(rows[i][0], row.days[i]) << days.out;
        EXPECT_EQ(std::stod(rows[i][2]), i == 1 ? row.changeDayHours : 24.0) << days.out;
        reported.sent += std::stoll(rows[i][3]);
        reported.received += std::stoll(rows[i][4]);
    }
    const auto lines = logFileLines();
    ASSERT_EQ(lines.size(), 4u) << "a header and three records";
    const Figures logged = logFileTotal(lines);
    EXPECT_EQ(reported.sent, logged.sent) << "no byte lost or doubled\n" << days.out;
    EXPECT_EQ(reported.received, logged.received);

    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    UsageStore store(history(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(store.open(), "");
    const auto calls = store.connections(0, 1LL << 40);
    ASSERT_EQ(calls.size(), 3u);
    const std::int64_t start = QDateTime::fromString(row.startTime, Qt::ISODate).toSecsSinceEpoch();
    // Each midnight splits its connection by time: the bytes before it on the earlier day.
    const auto firstDayBytes = std::stoll(rows[0][3]);
    EXPECT_NEAR(static_cast<double>(firstDayBytes),
        static_cast<double>(kUpRate * (start + 60 - calls[0].start)), 2.0 * kUpRate);
    const auto lastDayBytes = std::stoll(rows[2][3]);
    EXPECT_NEAR(static_cast<double>(lastDayBytes),
        static_cast<double>(calls[2].sent - kUpRate * (start + midnight - calls[2].start)),
        2.0 * kUpRate);

    // The connection across the change lies in two hours that meet at the change.
    const auto hours
        = usage::report(store.buckets(calls[1].start - 3600, calls[1].start + 3 * 3600, "Change"),
            usage::Period::Hour);
    ASSERT_EQ(hours.size(), 2u);
    EXPECT_EQ(hours[1].start, start + change) << "the second hour starts at the change";
    EXPECT_EQ(hours[0].start + 3600, hours[1].start) << "no hour between them";
    EXPECT_EQ(hours[0].sent + hours[1].sent, calls[1].sent);
    EXPECT_NEAR(static_cast<double>(hours[0].sent),
        static_cast<double>(kUpRate * (start + change - calls[1].start)), 2.0 * kUpRate);
}

INSTANTIATE_TEST_SUITE_P(EuropeBerlin, UsageClockChange,
    testing::Values(ChangeRow { "Spring", "2026-03-28T23:59:00+01:00", 7260, 82860,
                        { "2026-03-28", "2026-03-29", "2026-03-30" }, 23.0 },
        ChangeRow { "Autumn", "2026-10-24T23:59:00+02:00", 10860, 90060,
            { "2026-10-24", "2026-10-25", "2026-10-26" }, 25.0 }),
    [](const testing::TestParamInfo<ChangeRow>& row) { return std::string(row.param.name); });

struct JumpRow
{
    const char* name;
    const char* extraKeys; // scenario keys of the jump
    const char* connectionKeys;
    std::int64_t connectedSeconds; // from connecting to the drop
};

class UsageClockJump : public UsageClock, public testing::WithParamInterface<JumpRow>
{
};

// Guards against phantom traffic, or lost traffic, when counters go back or the clock leaps.
TEST_P(UsageClockJump, TheDaysTotalIsTheBytesThatMoved)
{
    const JumpRow& row = GetParam();
    std::ostringstream json;
    json << R"({ "profile": "xp", "timeScale": 40, "startTime": "2026-06-10T08:00:00+02:00", )"
         << row.extraKeys << R"( "connections": [{ "name": "MyISP", "dialAt": 1,
         "states": [[0, 2], [1, 8192]], "dropAt": )"
         << 2 + row.connectedSeconds << ", " << row.connectionKeys
         << R"( "traffic": [[0, 100000, 1000, 5000]] }] })";
    const auto result = runUntilDown(json.str(), "MyISP", "Europe/Berlin");
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const auto days
        = usageTool({ "days", "--from", "2026-06-10", "--to", "2026-06-10" }, "Europe/Berlin");
    ASSERT_EQ(days.exitCode, 0) << days.err;
    const auto rows = testing_support::csvRowsAfterHeader(days.out);
    ASSERT_EQ(rows.size(), 1u) << days.out;
    ASSERT_EQ(rows[0].size(), 5u) << days.out;
    const Figures logged = logFileTotal(logFileLines());
    EXPECT_EQ(std::stoll(rows[0][3]), logged.sent) << days.out;
    EXPECT_EQ(std::stoll(rows[0][4]), logged.received) << days.out;
    // What moved while the monitor watched: from its first tick online to its last, whose
    // duration figure says how long that was; the tick a reset falls in counts nothing.
    const std::regex tick(R"(vantrel\.tick: state 8192 sent \d+ received \d+ duration (\d+))");
    std::int64_t watched = 0;
    std::int64_t longestShortTick = 0; // a leap's tick aside
    for (auto it = std::sregex_iterator(result.err.begin(), result.err.end(), tick);
         it != std::sregex_iterator(); ++it) {
        const std::int64_t duration = std::stoll((*it)[1]);
        if (duration - watched <= 10)
            longestShortTick = std::max(longestShortTick, duration - watched);
        watched = duration;
    }
    const bool resets = std::string(row.connectionKeys).find("counterJumps") != std::string::npos;
    const double sent = static_cast<double>(logged.sent);
    EXPECT_LE(sent, static_cast<double>(kUpRate * (watched + 1))) << "phantom traffic";
    EXPECT_LE(sent, static_cast<double>(kUpRate * row.connectedSeconds)) << "phantom traffic";
    EXPECT_GE(sent, static_cast<double>(kUpRate * (watched - 1 - (resets ? longestShortTick : 0))))
        << "traffic lost";
    EXPECT_NEAR(static_cast<double>(logged.received), sent * 5.0, 4.0 * kDownRate);
}

INSTANTIATE_TEST_SUITE_P(Jumps, UsageClockJump,
    testing::Values(
        JumpRow { "CountersReset", "",
            R"("counterStart": [9000000, 40000000], "counterJumps": [[20, -8000000, -30000000]],)",
            60 },
        JumpRow { "CountersGoBackTwice", "",
            R"("counterStart": [9000000, 40000000],
               "counterJumps": [[15, -8000000, -30000000], [30, -100, -100]],)",
            60 },
        // Guards against a 32-bit counter set back just after it wrapped counting 4.29 GB.
        JumpRow { "CounterSetBackJustAfterItsWrap", "",
            R"("counterStart": [0, 4294917296], "counterJumps": [[20, 0, -1000000]],)", 60 },
        JumpRow { "ClockLeapsAnHourOnline", R"("clockJumps": [[30, 3600]],)", "", 3660 },
        JumpRow { "ResetThenClockLeap", R"("clockJumps": [[40, 3600]],)",
            R"("counterStart": [9000000, 40000000], "counterJumps": [[20, -8000000, -30000000]],)",
            3680 }),
    [](const testing::TestParamInfo<JumpRow>& row) { return std::string(row.param.name); });

} // namespace
