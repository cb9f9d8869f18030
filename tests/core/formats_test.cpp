// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/connectionlog.h"
#include "core/errorreport.h"
#include "core/formats.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
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
}

TEST(Formats, ByteFiguresUseTheLocalesSeparator)
{
    EXPECT_EQ(FormatBytes(1234567, kUs), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatBytes(1234567, kGerman), QStringLiteral("1.234.567"));
    EXPECT_EQ(FormatBytes(999.6, kUs), QStringLiteral("1,000"));
    EXPECT_EQ(FormatBytes(0, kUs), QStringLiteral("0"));
}

TEST(Formats, StoredNumbersRoundTrip)
{
    EXPECT_EQ(FloatText(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(FloatText(0), QStringLiteral("0"));
    EXPECT_EQ(FloatText(999999999999999.0), QStringLiteral("999999999999999"));
    EXPECT_EQ(ParseFloatText(FloatText(5e15), kUs).value(), 5e15);
    EXPECT_EQ(ParseFloatText(QStringLiteral("1234567"), kGerman).value(), 1234567.0);
    EXPECT_FALSE(ParseFloatText(QStringLiteral("abc"), kUs).has_value());
    EXPECT_FALSE(ParseFloatText(QStringLiteral("nan"), kUs).has_value());
    EXPECT_EQ(ParseIntegerText(QStringLiteral("3725")).value(), 3725);
    EXPECT_FALSE(ParseIntegerText(QStringLiteral("12s")).has_value());
}

TEST(Formats, DateTimesCarryNoTimeZone)
{
    const QDateTime moment(QDate(2026, 12, 7), QTime(14, 5, 9));
    const QString text = DateTimeText(moment, kUs);
    EXPECT_TRUE(text.startsWith(QStringLiteral("12/7/26 "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2:05:09"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("UTC")) || text.contains(QStringLiteral("CET")))
        << text.toStdString();
    EXPECT_EQ(
        DateTimeText(QDateTime(QDate(2026, 12, 7), QTime(0, 0)), kUs), QStringLiteral("12/7/26"));
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
