// SPDX-License-Identifier: GPL-3.0-or-later
// The real program records its connections into the usage history.
#include "tests/app/programfixture.h"
#include "tests/support/built.h"
#include "tests/support/csvtext.h"
#include "usage/usagereport.h"
#include "usage/usagestore.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

using testing_support::Program;
using testing_support::RunOptions;
using usage::UsageStore;

namespace {

class UsageProgram : public Program
{
protected:
    UsageProgram()
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    std::filesystem::path history() const
    {
        return m_runtime.configHome() / "data" / "vantrel" / "usage.sqlite3";
    }
    // The history as another program reads it once the run is over.
    void openHistory()
    {
        m_history.emplace(history(), UsageStore::Mode::ReadOnly);
        ASSERT_EQ(m_history->open(), "");
    }
    std::vector<usage::ConnectionRecord> allConnections()
    {
        return m_history->connections(0, 1LL << 40);
    }

    std::optional<UsageStore> m_history;
};

TEST_F(UsageProgram, AConnectionAcrossMidnightIsSplitBetweenTheDaysAndMatchesTheLogFile)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const std::string file = scenarioFile(R"({ "startTime": "2026-03-28T23:59:30Z",
        "timeScale": 20, "connections": [{ "name": "MyISP", "dialAt": 1,
        "states": [[0, 2], [1, 8192]], "dropAt": 61, "clientIp": "10.64.1.7",
        "serverIp": "10.64.0.1", "traffic": [[0, 100, 1000, 5000]] }] })");
    RunOptions options;
    options.environment = { { "TZ", "UTC" } };
    const auto result = run(file, untilSaid("MyISP disconnected."), options);
    ASSERT_EQ(result.exitCode, 0) << result.err;

    ASSERT_NO_FATAL_FAILURE(openHistory());
    const auto calls = allConnections();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "MyISP");
    EXPECT_EQ(calls[0].clientAddress, "10.64.1.7");
    EXPECT_EQ(calls[0].serverAddress, "10.64.0.1");
    ASSERT_TRUE(calls[0].end.has_value());
    const auto lines = logFileLines();
    ASSERT_EQ(lines.size(), 2u);
    const std::regex record(R"(^[^,]+,[^,]+,MyISP,\d+,(\d+),(\d+),.*)");
    std::smatch fields;
    ASSERT_TRUE(std::regex_search(lines[1], fields, record)) << lines[1];
    EXPECT_EQ(calls[0].sent, std::stoll(fields[1])) << "the history matches the log file";
    EXPECT_EQ(calls[0].received, std::stoll(fields[2]));

    const auto reader
        = testing_support::runProcess({ testing_support::built::vantrelUsage, "calls", "--from",
                                          "2026-03-28", "--csv", "--file", history().string() },
            { { "TZ", "UTC" } });
    ASSERT_EQ(reader.exitCode, 0) << reader.err;
    EXPECT_NE(reader.out.find(",MyISP,"), std::string::npos) << reader.out;
    EXPECT_NE(reader.out.find(std::string(",") + fields[1].str() + "," + fields[2].str() + ","),
        std::string::npos)
        << "vantrel-usage reports the log file's figures: " << reader.out;

    // The log file imported into a fresh history gives the same connection.
    const auto imported = m_runtime.configHome() / "imported.sqlite3";
    const auto import = testing_support::runProcess(
        { testing_support::built::vantrelUsage, "import", (bin() / "vantrel.log").string(),
            "--file", imported.string() },
        { { "TZ", "UTC" }, { "LC_ALL", "C.UTF-8" } });
    ASSERT_EQ(import.exitCode, 0) << import.err;
    UsageStore copy(imported, UsageStore::Mode::ReadOnly);
    ASSERT_EQ(copy.open(), "");
    const auto copied = copy.connections(0, 1LL << 40);
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied[0].sent, calls[0].sent);
    EXPECT_EQ(copied[0].received, calls[0].received);
    EXPECT_NEAR(static_cast<double>(copied[0].start), static_cast<double>(calls[0].start), 1.0);

    const auto days = usage::report(m_history->buckets(0, 1LL << 40), usage::Period::Day);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].sent + days[1].sent, calls[0].sent) << "no byte lost or doubled";
    EXPECT_EQ(days[0].received + days[1].received, calls[0].received);
    // Connected about two virtual seconds after 23:59:30: some 28 seconds before midnight.
    EXPECT_NEAR(static_cast<double>(days[0].sent), 28000.0, 3000.0);
    EXPECT_EQ(days[1].start, 1774742400) << "the second day begins at midnight";
}

// Guards against phantom traffic from a 32-bit counter passing 4 GiB mid-connection.
TEST_F(UsageProgram, CountersWrappingPast4GiBRecordTheBytesThatMoved)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const std::string file = scenarioFile(R"({ "startTime": "2026-03-28T12:00:00Z",
        "timeScale": 20, "connections": [{ "name": "MyISP", "dialAt": 1,
        "states": [[0, 2], [1, 8192]], "dropAt": 21, "counterStart": [4294960000, 4294950000],
        "traffic": [[0, 100, 1000, 5000]] }] })");
    const auto result = run(file, untilSaid("MyISP disconnected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_NO_FATAL_FAILURE(openHistory());
    const auto calls = allConnections();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NEAR(static_cast<double>(calls[0].sent), 1000.0 * static_cast<double>(calls[0].duration),
        2000.0);
    EXPECT_NEAR(
        static_cast<double>(calls[0].received), 5.0 * static_cast<double>(calls[0].sent), 10000.0);
    const auto days = usage::report(m_history->sums(0, 1LL << 40), usage::Period::Day);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].sent, calls[0].sent) << "the day's total is the bytes that moved";
    EXPECT_EQ(days[0].received, calls[0].received);
}

// Guards against a killed program leaving a record open for ever, or counting it twice.
TEST_F(UsageProgram, AfterAKillTheNextStartClosesTheRecordLosingAtMostAMinute)
{
    const std::string file = scenarioFile(R"({ "startTime": "2026-03-28T12:00:00Z",
        "timeScale": 40, "connections": [{ "name": "MyISP", "dialAt": 1,
        "states": [[0, 2], [1, 8192]], "traffic": [[0, 100000, 1000, 5000]] }] })");
    RunOptions options;
    options.signal = 9;
    std::int64_t sentAtKill = 0;
    const auto killed = run(
        file,
        [](const std::string& err) {
            return lastTickSent(err) >= 130'000; // over two minutes online
        },
        options);
    sentAtKill = lastTickSent(killed.err);
    ASSERT_GE(sentAtKill, 130'000) << killed.err;

    RunOptions quick;
    const auto again = run(file, untilSaid("MyISP connected."), quick);
    ASSERT_EQ(again.exitCode, 0) << again.err;
    ASSERT_NO_FATAL_FAILURE(openHistory());
    const auto calls = allConnections();
    ASSERT_GE(calls.size(), 1u);
    const auto& killedCall = *std::min_element(calls.begin(), calls.end(),
        [](const auto& left, const auto& right) { return left.id < right.id; });
    EXPECT_TRUE(killedCall.end.has_value()) << "closed by the next start";
    EXPECT_LE(killedCall.sent, sentAtKill);
    EXPECT_GE(killedCall.sent, sentAtKill - 61'000) << "at most the last minute is missing";
    for (const auto& call : calls)
        EXPECT_TRUE(call.end.has_value()) << "an exit while online ends the record too";
    std::int64_t bucketSent = 0;
    for (const auto& bucket : m_history->buckets(0, 1LL << 40))
        bucketSent += bucket.sent;
    std::int64_t recordSent = 0;
    for (const auto& call : calls)
        recordSent += call.sent;
    EXPECT_EQ(bucketSent, recordSent) << "records and buckets are written together";
}

// The log file's form of a local time, in the C locale the program runs in.
std::string logTime(const std::string& isoLocal)
{
    const QDateTime moment = QDateTime::fromString(QString::fromStdString(isoLocal), Qt::ISODate);
    const QLocale c = QLocale::c();
    return (c.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + moment.time().toString(QStringLiteral("HH:mm:ss")))
        .toStdString();
}

// Guards against the reader and the log file telling different stories of the same connections.
TEST_F(UsageProgram, TheReadersCallsAndDaysAreTheLogFilesRecords)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    // Two entry names, three rounds; midnight falls between the second round and the third.
    const std::string file = scenarioFile(R"({ "startTime": "2026-04-30T23:58:23Z",
        "timeScale": 40, "repeatEvery": 50, "connections": [
          { "name": "Home", "dialAt": 1, "states": [[0, 2], [1, 8192]], "dropAt": 21,
            "clientIp": "10.64.1.7", "traffic": [[0, 100, 1000, 5000]] },
          { "name": "Mobile", "dialAt": 25, "states": [[0, 2], [1, 8192]], "dropAt": 45,
            "clientIp": "10.80.3.9", "traffic": [[0, 100, 2000, 7000]] }] })");
    RunOptions options;
    options.environment = { { "TZ", "UTC" } };
    const auto result = run(
        file,
        [](const std::string& err) {
            std::size_t drops = 0;
            for (auto at = err.find(" disconnected."); at != std::string::npos;
                 at = err.find(" disconnected.", at + 1))
                ++drops;
            return drops >= 6;
        },
        options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto lines = logFileLines();
    ASSERT_GE(lines.size(), 7u) << "a header and six records or more";
    lines.erase(lines.begin());
    for (auto& line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }

    const auto tool = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), testing_support::built::vantrelUsage);
        arguments.insert(arguments.end(), { "--csv", "--file", history().string() });
        const auto output = testing_support::runProcess(arguments, { { "TZ", "UTC" } });
        EXPECT_EQ(output.exitCode, 0) << output.err;
        return testing_support::csvRowsAfterHeader(output.out);
    };
    const auto calls = tool({ "calls", "--from", "2026-04-30" });
    ASSERT_EQ(calls.size(), lines.size()) << "one call per record";
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> byDay; // of the Online date
    std::map<std::string, std::int64_t> mobileByDay;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const auto logged = testing_support::csvFields(lines[i]);
        ASSERT_GE(logged.size(), 8u);
        ASSERT_GE(calls[i].size(), 9u) << "a last empty field is not split off";
        EXPECT_EQ(logTime(calls[i][0]), logged[0]) << "online";
        EXPECT_EQ(logTime(calls[i][1]), logged[1]) << "offline";
        EXPECT_EQ(calls[i][2], logged[2]) << "name";
        EXPECT_EQ(calls[i][5], logged[4]) << "sent";
        EXPECT_EQ(calls[i][6], logged[5]) << "received";
        const std::int64_t duration = std::stoll(calls[i][7]);
        char clock[32];
        std::snprintf(clock, sizeof clock, "%02lld:%02lld:%02lld",
            static_cast<long long>(duration / 3600), static_cast<long long>(duration / 60 % 60),
            static_cast<long long>(duration % 60));
        EXPECT_EQ(clock, logged[6]) << "duration";
        EXPECT_EQ(calls[i][8], logged[7]) << "client address";
        const std::string day = calls[i][0].substr(0, 10);
        byDay[day].first += std::stoll(logged[4]);
        byDay[day].second += std::stoll(logged[5]);
        if (logged[2] == "Mobile")
            mobileByDay[day] += std::stoll(logged[4]);
    }
    ASSERT_EQ(byDay.size(), 2u) << "records on both sides of midnight";

    const auto days = tool({ "days", "--from", "2026-04-30", "--to", "2026-05-01" });
    ASSERT_EQ(days.size(), byDay.size());
    for (const auto& row : days) {
        ASSERT_EQ(row.size(), 5u);
        EXPECT_EQ(std::stoll(row[3]), byDay[row[0]].first) << "sent on " << row[0];
        EXPECT_EQ(std::stoll(row[4]), byDay[row[0]].second) << "received on " << row[0];
    }
    const auto mobileDays
        = tool({ "days", "--name", "Mobile", "--from", "2026-04-30", "--to", "2026-05-01" });
    ASSERT_EQ(mobileDays.size(), mobileByDay.size());
    for (const auto& row : mobileDays)
        EXPECT_EQ(std::stoll(row[3]), mobileByDay[row[0]]) << "Mobile's sent on " << row[0];
}

} // namespace
