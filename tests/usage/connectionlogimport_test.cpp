// SPDX-License-Identifier: GPL-3.0-or-later
// Importing the monitor's CSV log into the history: records split as they stream in, records
// whose fields disagree skipped by line, absurd spans and files that are no logs.
#include "tests/support/timezone.h"
#include "usage/connectionlogimport.h"
#include "usage/csvsplitter.h"
#include "usage/usagereport.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using usage::CsvSplitter;
using usage::importConnectionLog;
using usage::UsageStore;

namespace {

const char* const kHeader = "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP\r\n";

std::vector<CsvSplitter::Record> split(const QString& text, qsizetype pieceSize)
{
    std::vector<CsvSplitter::Record> records;
    CsvSplitter splitter;
    const auto done = [&](CsvSplitter::Record&& record) { records.push_back(std::move(record)); };
    for (qsizetype at = 0; at < text.size(); at += pieceSize)
        splitter.feed(QStringView(text).mid(at, pieceSize), done);
    splitter.finish(done);
    return records;
}

TEST(CsvSplitter, RecordsAreTheSameWhateverPiecesTheTextComesIn)
{
    const QString text = QStringLiteral("a,\"b, \"\"c\"\"\r\nd\",e\r\n\r\nf\rg,\"\"\nlast");
    for (const qsizetype piece : { qsizetype(1), qsizetype(2), qsizetype(7), text.size() }) {
        SCOPED_TRACE(piece);
        const auto records = split(text, piece);
        ASSERT_EQ(records.size(), 4u);
        EXPECT_EQ(records[0].fields, QStringList({ "a", "b, \"c\"\nd", "e" }))
            << "a quoted field keeps commas, quotes and its line break";
        EXPECT_EQ(records[0].line, 1);
        EXPECT_EQ(records[1].fields, QStringList { "f" });
        EXPECT_EQ(records[1].line, 4) << "the blank line counts";
        EXPECT_EQ(records[2].fields, QStringList({ "g", "" }));
        EXPECT_EQ(records[2].line, 5);
        EXPECT_EQ(records[3].fields, QStringList { "last" });
    }
}

TEST(CsvSplitter, ARecordPastItsBoundIsCutNotGrown)
{
    // Guards against a quote without end, or commas without end, holding the whole file.
    const QString quote = QStringLiteral("\"") + QString(200000, u'x') + QStringLiteral("\nnext\n");
    const auto quoted = split(quote, 4096);
    ASSERT_EQ(quoted.size(), 1u);
    EXPECT_TRUE(quoted[0].cut);
    EXPECT_LE(quoted[0].fields.join(QString()).size(), CsvSplitter::kMaxRecordChars);
    const auto commas = split(QString(200000, u','), 4096);
    ASSERT_EQ(commas.size(), 1u);
    EXPECT_TRUE(commas[0].cut);
    EXPECT_LE(commas[0].fields.size(), CsvSplitter::kMaxRecordChars + 1);
}

class LogImport : public testing::Test
{
protected:
    std::string folder() const { return m_dir.path().toStdString(); }
    std::string log(const std::string& records)
    {
        const std::string file = folder() + "/vantrel.log";
        std::ofstream(file, std::ios::binary) << kHeader << records;
        return file;
    }
    std::vector<usage::Bucket> allBuckets()
    {
        return m_store.buckets(std::numeric_limits<std::int64_t>::min() / 2,
            std::numeric_limits<std::int64_t>::max() / 2);
    }

    testing_support::TimeZone m_zone { "Europe/Berlin" };
    QTemporaryDir m_dir;
    UsageStore m_store { m_dir.path().toStdString() + "/usage.sqlite3",
        UsageStore::Mode::ReadWrite };
    QLocale m_locale = QLocale::c();
};

TEST_F(LogImport, ADurationOutsideItsOnlineAndOfflineTimesIsSkippedByLine)
{
    // Guards against 1000000:00:00 taking 22 s, 827 MB and a 254 MB history, 10000000:00:00
    // running out of memory and 9223372036854775807:00:00 overflowing to a negative duration.
    ASSERT_EQ(m_store.open(), "");
    const auto result = importConnectionLog(m_store,
        log("1 Mar 2026 10:00:00,1 Mar 2026 11:00:00,Home,0,100,200,1000000:00:00,\r\n"
            "1 Mar 2026 10:00:00,1 Mar 2026 11:00:00,Home,0,100,200,10000000:00:00,\r\n"
            "1 Mar 2026 10:00:00,1 Mar 2026 11:00:00,Home,0,100,200,9223372036854775807:00:00,\r\n"
            "1 Mar 2026 10:00:00,1 Mar 2026 11:00:00,Home,0,100,200,100:00:00,\r\n"
            "1 Mar 2026 12:00:00,1 Mar 2026 11:00:00,Home,0,100,200,00:00:10,\r\n"
            "1 Mar 2026 13:00:00,1 Mar 2026 13:30:00,Home,0,100,200,00:30:00,\r\n"),
        m_locale);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 1);
    ASSERT_EQ(result.problems.size(), 5u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(
            result.problems[i].find(": line " + std::to_string(i + 2) + ": '"), std::string::npos)
            << result.problems[i];
        EXPECT_NE(result.problems[i].find("' is not a duration"), std::string::npos)
            << result.problems[i];
    }
    EXPECT_NE(result.problems[3].find(": line 5: the duration 100:00:00 does not fit between "
                                      "Online 1 Mar 2026 10:00:00 and Offline 1 Mar 2026 11:00:00"),
        std::string::npos)
        << result.problems[3];
    EXPECT_NE(
        result.problems[4].find(": line 6: the duration 00:00:10 does not fit"), std::string::npos)
        << result.problems[4] << ": Offline before Online";
    EXPECT_EQ(allBuckets().size(), 2u) << "the half hour of the one good record";
}

TEST_F(LogImport, AConsistentSpanOfYearsIsSpreadOverDaysKeepingEveryByte)
{
    ASSERT_EQ(m_store.open(), "");
    // 1 January 2000 to 1 January 2020: 7305 days, 175320 hours.
    const auto result = importConnectionLog(m_store,
        log("1 Jan 2000 00:00:00,1 Jan 2020 00:00:00,Home,0,7305000,14610000,175320:00:00,\r\n"),
        m_locale);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.added, 1);
    const auto buckets = allBuckets();
    EXPECT_EQ(buckets.size(), 7305u) << "a row a local day, not 701280 quarter hours";
    std::int64_t sent = 0;
    std::int64_t received = 0;
    for (const auto& bucket : buckets) {
        sent += bucket.sent;
        received += bucket.received;
    }
    EXPECT_EQ(sent, 7305000);
    EXPECT_EQ(received, 14610000);
}

TEST_F(LogImport, MoreBytesThanALinkCarriesAreSkipped)
{
    // Guards against 5e18-byte rows making sums fail and plans stop counting.
    ASSERT_EQ(m_store.open(), "");
    const auto result = importConnectionLog(m_store,
        log("1 Mar 2026 10:00:00,1 Mar 2026 11:00:00,Home,0,5000000000000000000,1,01:00:00,\r\n"
            "1 Mar 2026 12:00:00,1 Mar 2026 13:00:00,Home,0,1,4500000000001,01:00:00,\r\n"
            "1 Mar 2026 14:00:00,1 Mar 2026 15:00:00,Home,0,1,4500000000000,01:00:00,\r\n"
            "1 Mar 2026 16:00:00,1 Mar 2026 17:00:00,Home,0,nan,1,01:00:00,\r\n"),
        m_locale);
    EXPECT_EQ(result.added, 1);
    ASSERT_EQ(result.problems.size(), 3u);
    EXPECT_NE(
        result.problems[2].find("line 5: the byte figures are not numbers"), std::string::npos)
        << "NaN is no figure, not a huge negative one: " << result.problems[2];
    EXPECT_NE(result.problems[0].find("line 2: more bytes than a link carries in 01:00:00"),
        std::string::npos)
        << result.problems[0];
    EXPECT_NE(result.problems[1].find("line 3: "), std::string::npos) << result.problems[1];
}

// Guards against "0 connections imported" and exit status 0 for a file that is no log at all,
// and against a line of complaint for each of its lines.
TEST_F(LogImport, AFileWithoutConnectionsIsAnErrorThatSaysWhy)
{
    ASSERT_EQ(m_store.open(), "");
    const QByteArray record = "1 Mar 2026 10:00:00,1 Mar 2026 10:30:00,Home,0,1,2,00:30:00,\r\n";
    QByteArray utf16(kHeader);
    utf16 += record;
    const QString wide = QString::fromUtf8(utf16);
    const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xd8,,,,,,,\n";
    const QByteArray garbage(png, sizeof png - 1);
    const struct
    {
        const char* name;
        QByteArray bytes;
        std::string why;
    } rows[] = {
        { "utf16",
            QByteArray("\xff\xfe", 2)
                + QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2),
            " (it is UTF-16 text, not the UTF-8 of the monitor's log)" },
        { "garbage", garbage, " (it is not UTF-8 text)" },
        { "empty", {}, " (it is empty)" },
        { "header only", kHeader, "" },
        { "other text", "hello\nworld\n", " (line 1: expected 8 fields, found 1)" },
    };
    for (const auto& row : rows) {
        const std::string file = folder() + "/" + row.name;
        std::ofstream(file, std::ios::binary) << row.bytes.toStdString();
        const auto result = importConnectionLog(m_store, file, m_locale);
        EXPECT_EQ(result.error, file + ": no connection records" + row.why) << row.name;
        EXPECT_EQ(result.added, 0) << row.name;
        EXPECT_EQ(result.problems.size(), 0u) << row.name;
    }
    EXPECT_EQ(importConnectionLog(m_store, log(record.toStdString()), m_locale).error, "")
        << "the same record in UTF-8 is imported";
}

TEST_F(LogImport, OnlyARegularFileIsRead)
{
    // Guards against an import blocked for ever on a FIFO.
    ASSERT_EQ(m_store.open(), "");
    const std::string fifo = folder() + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& file : { fifo, folder(), std::string("/dev/zero") }) {
        const auto result = importConnectionLog(m_store, file, m_locale);
        EXPECT_EQ(result.error, file + ": not a regular file");
        EXPECT_EQ(result.added, 0);
    }
}

TEST_F(LogImport, ALogAlreadyRecordedIsFoundFromAnyTimeZone)
{
    // Guards against the same log, imported under another zone, counted again: its times have
    // no UTC offset.
    ASSERT_EQ(m_store.open(), "");
    const std::string file
        = log("1 Mar 2026 10:00:00,1 Mar 2026 10:30:00,Home,0,3000,9000,00:30:00,\r\n"
              "1 Jul 2026 10:00:00,1 Jul 2026 10:30:00,Home,0,10,20,00:30:00,\r\n");
    EXPECT_EQ(importConnectionLog(m_store, file, m_locale).added, 2);
    for (const char* zone : { "America/New_York", "Asia/Kathmandu", "Pacific/Kiritimati" }) {
        SCOPED_TRACE(zone);
        testing_support::TimeZone elsewhere(zone);
        const auto again = importConnectionLog(m_store, file, m_locale);
        EXPECT_EQ(again.added, 0);
        EXPECT_EQ(again.alreadyThere, 2);
    }
    const auto other = importConnectionLog(m_store,
        log("1 Mar 2026 11:00:00,1 Mar 2026 11:30:00,Home,0,3001,9000,00:30:00,\r\n"), m_locale);
    EXPECT_EQ(other.added, 1) << "other figures are another connection";
}

TEST_F(LogImport, ConnectionsOfTheSameFiguresAreNotTakenForOneAnother)
{
    // Guards against a zone-free match folding together short connections of equal figures a
    // whole number of quarter hours apart.
    ASSERT_EQ(m_store.open(), "");
    std::string records;
    const QDateTime first(QDate(2026, 3, 1), QTime(0, 0));
    for (int i = 0; i < 3000; ++i) {
        const QDateTime online = first.addSecs(i * 31);
        records += (QLocale::c().toString(online, QStringLiteral("d MMM yyyy HH:mm:ss")) + u','
            + QLocale::c().toString(online.addSecs(30), QStringLiteral("d MMM yyyy HH:mm:ss"))
            + QStringLiteral(",Home,0,2000,18000,00:00:30,10.0.0.7\r\n"))
                       .toStdString();
    }
    const std::string file = log(records);
    const auto result = importConnectionLog(m_store, file, m_locale);
    EXPECT_EQ(result.added, 3000);
    EXPECT_EQ(result.alreadyThere, 0);
    testing_support::TimeZone elsewhere("Asia/Tokyo");
    const auto again = importConnectionLog(m_store, file, m_locale);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.alreadyThere, 3000);
}

// The log of `count` hourly connections from 1 March 2026, 00:00 local, from the `first` on.
std::string hourly(int first, int count)
{
    std::string records;
    const QDateTime start(QDate(2026, 3, 1), QTime(0, 0));
    for (int i = first; i < first + count; ++i) {
        const QDateTime online = start.addSecs(i * 3600LL);
        records += (QLocale::c().toString(online, QStringLiteral("d MMM yyyy HH:mm:ss")) + u','
            + QLocale::c().toString(online.addSecs(600), QStringLiteral("d MMM yyyy HH:mm:ss"))
            + QStringLiteral(",Home,0,%1,9000,00:10:00,\r\n").arg(1000 + i))
                       .toStdString();
    }
    return records;
}

TEST_F(LogImport, ALogPartlyRecordedElsewhereAddsTheRestAtTheirTrueTimesOnce)
{
    // Guards against the zone learned from a log's start alone (a backfill older than the
    // history found nothing there) and new connections stored at the other zone's reading.
    ASSERT_EQ(m_store.open(), "");
    EXPECT_EQ(importConnectionLog(m_store, log(hourly(300, 20)), m_locale).added, 20);
    const auto recorded = m_store.connections(0, 1LL << 40);
    testing_support::TimeZone elsewhere("America/New_York");
    const std::string whole = log(hourly(0, 320));
    const auto result = importConnectionLog(m_store, whole, m_locale);
    EXPECT_EQ(result.added, 300);
    EXPECT_EQ(result.alreadyThere, 20);
    const auto all = m_store.connections(0, 1LL << 40);
    ASSERT_EQ(all.size(), 320u);
    EXPECT_EQ(all[299].start + 3600, recorded[0].start) << "at its time in the log's own zone";
    const auto again = importConnectionLog(m_store, whole, m_locale);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.alreadyThere, 320);
}

TEST_F(LogImport, SumsOfHugeFiguresNeitherFailNorTurnNegative)
{
    // Guards against SQLite's integer sum() failing for good once two rows pass 2^63.
    ASSERT_EQ(m_store.open(), "");
    std::vector<usage::ConnectionRecord> none;
    const std::int64_t huge = 5'000'000'000'000'000'000;
    ASSERT_EQ(m_store.write(none,
                  { { "A", 900, 900, huge, huge }, { "B", 900, 900, huge, huge },
                      { "A", 1800, 900, huge, huge } }),
        "");
    const auto sums = m_store.sums(0, 3600);
    ASSERT_EQ(m_store.readError(), "");
    ASSERT_EQ(sums.size(), 2u);
    EXPECT_EQ(sums[0].sent, std::numeric_limits<std::int64_t>::max());
    const auto rows = usage::report(m_store.buckets(0, 86400), usage::Period::Day);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].sent, std::numeric_limits<std::int64_t>::max()) << "held, not wrapped";
}

} // namespace
