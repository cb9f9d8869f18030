// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/connectionlog.h"
#include "monitor/connectionstats.h"
#include "monitor/errorreport.h"
#include "monitor/formats.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(Formats, Durations)
{
    EXPECT_EQ(DurationToStr(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(DurationToStr(3725), QStringLiteral("01:02:05"));
    EXPECT_EQ(DurationToStr(100 * 3600), QStringLiteral("100:00:00"));
    EXPECT_EQ(DurationToStr(59), QStringLiteral("00:00:59"));
    EXPECT_EQ(DurationToStr(36000), QStringLiteral("10:00:00"));
    EXPECT_EQ(DurationToStr(3599), QStringLiteral("00:59:59"));
    EXPECT_EQ(DurationToStr(-61), QStringLiteral("-00:01:01"));
    EXPECT_EQ(DurationToStr(std::numeric_limits<std::int64_t>::max()),
        QStringLiteral("2562047788015215:30:07"));
    EXPECT_EQ(DurationToStr(std::numeric_limits<std::int64_t>::min()),
        QStringLiteral("-2562047788015215:30:08"));
}

TEST(Formats, ByteFiguresUseTheLocalesSeparator)
{
    EXPECT_EQ(formatBytes(1234567, kUs), QStringLiteral("1,234,567"));
    EXPECT_EQ(formatBytes(1234567, kGerman), QStringLiteral("1.234.567"));
    EXPECT_EQ(formatBytes(999.6, kUs), QStringLiteral("1,000"));
    EXPECT_EQ(formatBytes(0, kUs), QStringLiteral("0"));
}

TEST(Formats, CompactRatesKeepThreeFiguresAndAPrefix)
{
    EXPECT_EQ(compactRate(999), QStringLiteral("999"));
    EXPECT_EQ(compactRate(1500), QStringLiteral("1.5K"));
    EXPECT_EQ(compactRate(300'000), QStringLiteral("300K"));
    EXPECT_EQ(compactRate(99'960), QStringLiteral("100K"));
    EXPECT_EQ(compactRate(999'499), QStringLiteral("999K"));
    EXPECT_EQ(compactRate(999'950), QStringLiteral("1.0M")) << "not 1000K";
    EXPECT_EQ(compactRate(2'500'000), QStringLiteral("2.5M"));
    EXPECT_EQ(compactRate(12'500'000), QStringLiteral("12.5M"));
    EXPECT_EQ(compactRate(1'260'000'000), QStringLiteral("1.3G"));
    EXPECT_EQ(compactRate(-1500), QStringLiteral("-1.5K"));
}

TEST(Formats, StoredNumbersRoundTrip)
{
    EXPECT_EQ(floatText(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(floatText(0), QStringLiteral("0"));
    EXPECT_EQ(floatText(999999999999999.0), QStringLiteral("999999999999999"));
    EXPECT_EQ(parseFloatText(floatText(5e15), kUs).value(), 5e15);
    EXPECT_EQ(parseFloatText(QStringLiteral("1234567"), kGerman).value(), 1234567.0);
    EXPECT_FALSE(parseFloatText(QStringLiteral("abc"), kUs).has_value());
    EXPECT_FALSE(parseFloatText(QStringLiteral("nan"), kUs).has_value());
    EXPECT_EQ(parseIntegerText(QStringLiteral("3725")).value(), 3725);
    EXPECT_FALSE(parseIntegerText(QStringLiteral("12s")).has_value());
}

TEST(Formats, DateTimesCarryNoTimeZone)
{
    const QDateTime moment(QDate(2026, 12, 7), QTime(14, 5, 9));
    const QString text = dateTimeText(moment, kUs);
    EXPECT_TRUE(text.startsWith(QStringLiteral("12/7/26 "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2:05:09"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("UTC")) || text.contains(QStringLiteral("CET")))
        << text.toStdString();
    EXPECT_EQ(
        dateTimeText(QDateTime(QDate(2026, 12, 7), QTime(0, 0)), kUs), QStringLiteral("12/7/26"));
}

std::string content(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ConnectionLog, TheFirstRecordCreatesTheFileWithItsHeader)
{
    testing_support::TemporaryFolder folder;
    QStringList said;
    ConnectionLogFile log(folder.path() / "vantrel", folder.path() / "state",
        [&](const QString& line) { said << line; });
    ASSERT_TRUE(
        log.append({ "a", "b", "MyISP", "57600", "1000", "5000", "00:00:10", "10.64.1.7" }));
    ASSERT_TRUE(log.append({ "c", "d", "Other", "0", "0", "0", "00:00:00", "" }));
    EXPECT_EQ(content(folder.path() / "vantrel.log"),
        "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP\r\n"
        "a,b,MyISP,57600,1000,5000,00:00:10,10.64.1.7\r\n"
        "c,d,Other,0,0,0,00:00:00,\r\n");
    EXPECT_TRUE(said.isEmpty());
}

TEST(ConnectionLog, AnUnwritableProgramFolderMovesTheFileAndSaysSoOnce)
{
    testing_support::TemporaryFolder folder;
    QStringList said;
    ConnectionLogFile log("/nonexistent/bin/vantrel", folder.path() / "state",
        [&](const QString& line) { said << line; });
    ASSERT_TRUE(log.append({ "1" }));
    ASSERT_TRUE(log.append({ "2" }));
    EXPECT_EQ(content(folder.path() / "state" / "vantrel" / "vantrel.log"),
        std::string(ConnectionLogFile::kHeader) + "\r\n1\r\n2\r\n");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("/nonexistent/bin")));
}

TEST(ConnectionLog, AFailureIsSaidAndLeavesNoPartialLine)
{
    testing_support::TemporaryFolder folder;
    std::filesystem::create_directories(
        folder.path() / "vantrel.log"); // a folder in the file's place
    QStringList said;
    ConnectionLogFile log(folder.path() / "vantrel", folder.path() / "state",
        [&](const QString& line) { said << line; });
    EXPECT_FALSE(log.append({ "x" }));
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("vantrel.log not written")))
        << said[0].toStdString();
}

TEST(ConnectionLog, FieldsWithCommasQuotesOrLineBreaksAreQuotedAsCsvReadersExpect)
{
    // Guards against a connection name adding columns or rows to the file.
    const struct
    {
        const char* name;
        QString field;
        QByteArray written;
    } rows[] = {
        { "plain", QStringLiteral("MyISP"), "MyISP" },
        { "blank and dash", QStringLiteral("My ISP - 2"), "My ISP - 2" },
        { "comma", QStringLiteral("ppp,0"), "\"ppp,0\"" },
        { "quote", QStringLiteral("my\"isp"), "\"my\"\"isp\"" },
        { "line feed", QStringLiteral("a\nb"), "\"a\nb\"" },
        { "carriage return", QStringLiteral("a\rb"), "\"a\rb\"" },
        { "empty", QString(), "" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(
            ConnectionLogFile::recordLine({ "1", row.field, "2" }), "1," + row.written + ",2\r\n")
            << row.name;
}

TEST(ConnectionLog, AFileWithoutItsHeaderGetsItWithTheNextRecord)
{
    // Guards against a first save on a full disk leaving an empty file that never gets a header.
    testing_support::TemporaryFolder folder;
    std::ofstream(folder.path() / "vantrel.log").flush();
    ConnectionLogFile log(
        folder.path() / "vantrel", folder.path() / "state", [](const QString&) {});
    ASSERT_TRUE(log.append({ "a" }));
    ASSERT_TRUE(log.append({ "b" }));
    EXPECT_EQ(content(folder.path() / "vantrel.log"),
        std::string(ConnectionLogFile::kHeader) + "\r\na\r\nb\r\n");
}

TEST(ConnectionLog, ALinkIsNeverFollowed)
{
    // Guards against a planted vantrel.log link making the log append to another file.
    testing_support::TemporaryFolder folder;
    const auto victim = folder.path() / "profile";
    std::ofstream(victim) << "untouched\n";
    QStringList said;
    const auto say = [&](const QString& line) { said << line; };
    {
        // Planted before the first record: the records go to the state folder instead.
        std::filesystem::create_symlink(victim, folder.path() / "vantrel.log");
        ConnectionLogFile log(folder.path() / "vantrel", folder.path() / "state", say);
        ASSERT_TRUE(log.append({ "a" }));
        EXPECT_EQ(content(folder.path() / "state" / "vantrel" / "vantrel.log"),
            std::string(ConnectionLogFile::kHeader) + "\r\na\r\n");
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].contains(QStringLiteral("vantrel.log is a symbolic link; using")))
            << said[0].toStdString();
    }
    said.clear();
    {
        // Planted after: that record is refused, and said.
        std::filesystem::remove(folder.path() / "vantrel.log");
        ConnectionLogFile log(folder.path() / "vantrel", folder.path() / "state", say);
        ASSERT_TRUE(log.append({ "b" }));
        std::filesystem::remove(folder.path() / "vantrel.log");
        std::filesystem::create_symlink(victim, folder.path() / "vantrel.log");
        EXPECT_FALSE(log.append({ "c" }));
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].endsWith(QStringLiteral("not written: it is a symbolic link")))
            << said[0].toStdString();
    }
    said.clear();
    {
        // A hard link to the file is as good as a symbolic one.
        std::filesystem::remove(folder.path() / "vantrel.log");
        std::filesystem::create_hard_link(victim, folder.path() / "vantrel.log");
        ConnectionLogFile log(folder.path() / "vantrel", folder.path() / "state", say);
        EXPECT_FALSE(log.append({ "d" }));
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].endsWith(QStringLiteral("it has other names (hard links)")))
            << said[0].toStdString();
    }
    EXPECT_EQ(content(victim), "untouched\n");
}

TEST(Totals, ATotalNearTheLimitIsHeldThereRatherThanWrapped)
{
    // Guards against a stored TotalDuration near 2^63 turning negative after one connection.
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(saturatingAdd(10, 5), 15);
    EXPECT_EQ(saturatingAdd(kMax - 3, 5), kMax);
    EXPECT_EQ(saturatingAdd(kMax, kMax), kMax);
    EXPECT_EQ(saturatingAdd(kMin + 3, -5), kMin);
    EXPECT_EQ(saturatingAdd(kMin, kMax), -1);
}

TEST(ErrorReportTest, TheSameMessageAtMostOnceAMinute)
{
    std::uint64_t now = 0;
    QStringList said;
    ErrorReport report([&] { return now; }, [&](const QString& line) { said << line; });
    report.guard("TimerStatusTimer", [] { throw std::out_of_range("slot 31"); });
    now += 30000;
    report.guard("TimerStatusTimer", [] { throw std::out_of_range("slot 31"); });
    report.guard("TimerStatusTimer", [] { throw std::runtime_error("other"); });
    now += 31000;
    report.guard("TimerStatusTimer", [] { throw std::out_of_range("slot 31"); });
    EXPECT_EQ(said,
        (QStringList { QStringLiteral("Error in TimerStatusTimer: slot 31"),
            QStringLiteral("Error in TimerStatusTimer: other"),
            QStringLiteral("Error in TimerStatusTimer: slot 31") }));
}

} // namespace
