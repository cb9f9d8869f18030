// SPDX-License-Identifier: GPL-3.0-or-later
// The usage history database: what it keeps, how it opens, how it fails.
#include "tests/support/childanswer.h"
#include "tests/support/missingpeer.h"
#include "usage/usagestore.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <latch>
#include <optional>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using usage::Bucket;
using usage::ConnectionRecord;
using usage::UsageStore;

namespace {

class Store : public testing::Test
{
protected:
    std::filesystem::path file() const
    {
        return std::filesystem::path(m_dir.path().toStdString()) / "vantrel" / "usage.sqlite3";
    }
    static ConnectionRecord call(const std::string& name, std::int64_t start)
    {
        ConnectionRecord record;
        record.name = name;
        record.deviceType = "modem";
        record.deviceName = "Standard Modem";
        record.start = start;
        record.clientAddress = "10.0.0.2";
        record.serverAddress = "10.0.0.1";
        return record;
    }

    // Four days of fine buckets from 1970-01-02 (UTC), of the names given in turn, written.
    void writeFourFineDays(UsageStore& store, const std::vector<std::string>& names)
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> none;
        std::vector<Bucket> buckets;
        for (std::int64_t i = 0; i < 4 * 96; ++i)
            buckets.push_back(
                { names[static_cast<std::size_t>(i) % names.size()], 86400 + i * 900, 900, 1, 10 });
        ASSERT_EQ(store.write(none, buckets), "");
    }

    QTemporaryDir m_dir;
};

TEST_F(Store, ConnectionsAndBucketsReadBackAsWritten)
{
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    std::vector<ConnectionRecord> calls { call("ISP", 1000) };
    calls[0].sent = 5;
    ASSERT_EQ(store.write(calls, { { "ISP", 900, 900, 5, 50 } }), "");
    EXPECT_NE(calls[0].id, 0) << "the new record's id is handed back";
    calls[0].sent = 7;
    calls[0].end = 1100;
    ASSERT_EQ(store.write(calls, { { "ISP", 900, 900, 2, 20 }, { "Other", 1800, 900, 1, 1 } }), "");

    const auto records = store.connections(0, 10000);
    ASSERT_EQ(records.size(), 1u) << "a written connection is updated, not added again";
    EXPECT_EQ(records[0].sent, 7);
    EXPECT_EQ(records[0].end, 1100);
    EXPECT_EQ(records[0].deviceName, "Standard Modem");
    EXPECT_EQ(records[0].serverAddress, "10.0.0.1");
    const auto isp = store.buckets(0, 10000, "ISP");
    ASSERT_EQ(isp.size(), 1u);
    EXPECT_EQ(isp[0].sent, 7) << "bytes are added to a stored bucket";
    EXPECT_EQ(isp[0].received, 70);
    EXPECT_EQ(store.buckets(0, 10000).size(), 2u);
    EXPECT_EQ(store.buckets(1800, 10000).size(), 1u);

    const auto sums = store.sums(0, 10000);
    ASSERT_EQ(sums.size(), 2u) << "one sum per start";
    EXPECT_EQ(sums[0].sent, 7);
    EXPECT_EQ(sums[1].received, 1);
    ASSERT_EQ(store.sums(0, 10000, "Other").size(), 1u);
    EXPECT_EQ(store.sums(0, 10000, "Other")[0].start, 1800);
}

TEST_F(Store, AViewReadsTheNamesTheOldestBytesAndOneNamesNewestConnections)
{
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    EXPECT_TRUE(store.names().empty());
    EXPECT_FALSE(store.firstStart()) << "an empty history has no oldest bytes";
    std::vector<ConnectionRecord> calls { call("Mobile", 1000), call("ISP", 2000),
        call("Mobile", 3000), call("ISP", 4000), call("Zeta", 5000) };
    ASSERT_EQ(store.write(calls,
                  { { "Mobile", 900, 900, 1, 1 }, { "ISP", 1800, 900, 1, 1 },
                      { "ISP", 2700, 900, 1, 1 }, { "Mobile", 3600, 86400, 1, 1 },
                      { "", 4500, 900, 1, 1 }, { "Zeta", 450, 900, 1, 1 } }),
        "");
    EXPECT_EQ(store.names(), (std::vector<std::string> { "", "ISP", "Mobile", "Zeta" }))
        << "each once, in order";
    EXPECT_EQ(store.firstStart(), 450);
    const auto starts = [](const std::vector<ConnectionRecord>& records) {
        std::vector<std::int64_t> result;
        for (const auto& record : records)
            result.push_back(record.start);
        return result;
    };
    EXPECT_EQ(
        starts(store.newestConnections(0, 10000, 2)), (std::vector<std::int64_t> { 4000, 5000 }));
    EXPECT_EQ(starts(store.newestConnections(0, 10000, 3, "ISP")),
        (std::vector<std::int64_t> { 2000, 4000 }));
    EXPECT_EQ(starts(store.newestConnections(0, 10000, 1, "Mobile")),
        (std::vector<std::int64_t> { 3000 }));
    EXPECT_EQ(store.readError(), "");
}

// Guards against "database is locked" when the monitor and vantrel-usage create the history at
// the same moment: each must open it and write.
TEST_F(Store, WritersCreatingTheHistoryTogetherAllOpenIt)
{
    constexpr int kWriters = 4;
    for (int round = 0; round < 20; ++round) {
        std::filesystem::remove_all(file().parent_path());
        std::latch start(kWriters);
        std::vector<std::string> problems(kWriters);
        std::vector<std::thread> writers;
        for (int writer = 0; writer < kWriters; ++writer)
            writers.emplace_back([&, writer] {
                UsageStore store(file(), UsageStore::Mode::ReadWrite);
                start.arrive_and_wait();
                auto& problem = problems[static_cast<std::size_t>(writer)];
                problem = store.open();
                std::vector<ConnectionRecord> none;
                if (problem.empty())
                    problem = store.write(none, { { "ISP", 900, 900, 1, 1 } });
            });
        for (auto& writer : writers)
            writer.join();
        for (const auto& problem : problems)
            EXPECT_EQ(problem, "") << "round " << round;
        UsageStore reader(file(), UsageStore::Mode::ReadOnly);
        ASSERT_EQ(reader.open(), "");
        EXPECT_EQ(reader.buckets(0, 10000).at(0).sent, kWriters) << "round " << round;
    }
}

TEST_F(Store, TheFolderAndFileAreTheUsersAlone)
{
    const auto expectPrivate = [this](const char* when) {
        struct stat info
        {
        };
        ASSERT_EQ(::stat(file().parent_path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << when;
        ASSERT_EQ(::stat(file().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << when;
    };
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        expectPrivate("made");
    }
    // Guards against a history left world-readable by an earlier version staying so: its own
    // folder is tightened, as the settings' is.
    ASSERT_EQ(::chmod(file().parent_path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(file().c_str(), 0644), 0);
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::optional<std::string> previous
        = dataHome ? std::optional<std::string>(dataHome) : std::nullopt;
    ::setenv("XDG_DATA_HOME", m_dir.path().toUtf8().constData(), 1);
    ASSERT_EQ(UsageStore::defaultFile(), file());
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        expectPrivate("found open");
    }
    if (previous)
        ::setenv("XDG_DATA_HOME", previous->c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");

    // A folder the user chose for a history (with --file) is left as it is: /tmp, say.
    ASSERT_EQ(::chmod(file().parent_path().c_str(), 0755), 0);
    UsageStore chosen(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(chosen.open(), "");
    struct stat folder
    {
    };
    ASSERT_EQ(::stat(file().parent_path().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0755u);
}

TEST_F(Store, AReaderReadsAHistoryInAFolderItCannotWrite)
{
    // Guards against "attempt to write a readonly database" for a reader of a history it may
    // read but not write, as vantrel-usage on an archived or another user's copy.
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> calls { call("ISP", 1000) };
        ASSERT_EQ(store.write(calls, { { "ISP", 900, 900, 1, 2 } }), "");
    }
    const auto folder = file().parent_path();
    ASSERT_EQ(::chmod(folder.parent_path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(file().c_str(), 0644), 0);
    const auto answer = testing_support::answerOfChild([&] {
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return std::string("no other user");
        UsageStore reader(file(), UsageStore::Mode::ReadOnly);
        if (std::string problem = reader.open(); !problem.empty())
            return problem;
        return "read " + std::to_string(reader.buckets(0, 10000).size()) + " buckets";
    });
    ASSERT_TRUE(answer);
    if (*answer == "no other user") {
        VANTREL_SKIP_UNLESS_CI() << "root is needed to read the file as another user";
    }
    EXPECT_EQ(*answer, "read 1 buckets");
}

TEST_F(Store, AConnectionLeftOpenIsClosedAfterItsLastFigures)
{
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> calls { call("ISP", 1000) };
        calls[0].duration = 42;
        ASSERT_EQ(store.write(calls, {}), "");
    }
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    ASSERT_EQ(store.closeOpenConnections(), "");
    EXPECT_EQ(store.connections(0, 10000).at(0).end, 1042);
}

TEST_F(Store, ADamagedFileIsMovedAsideAndReplaced)
{
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file()) << std::string(8192, 'x');
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    const std::string notice = store.takeNotice();
    EXPECT_NE(notice.find("moved aside as"), std::string::npos) << notice;
    int aside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file().parent_path()))
        aside += entry.path().filename().string().starts_with("usage.sqlite3.corrupt-");
    EXPECT_EQ(aside, 1);
    std::vector<ConnectionRecord> calls { call("ISP", 1000) };
    EXPECT_EQ(store.write(calls, {}), "");
}

TEST_F(Store, ALargeFileIsCheckedBesideItsFirstWritesAndMovedAsideWhenDamaged)
{
    // Guards against the writer reading a large history whole before its first write, holding
    // the window for half a second per 200 MB, without giving up the check.
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> none;
        std::vector<Bucket> buckets;
        for (std::int64_t i = 0; i < 400'000; ++i)
            buckets.push_back({ "ISP " + std::to_string(i % 20), 900 * (i / 20), 900, i, i });
        ASSERT_EQ(store.write(none, buckets), "");
    }
    const auto size = std::filesystem::file_size(file());
    ASSERT_GT(size, 20u * 1024 * 1024);
    {
        std::fstream database(file(), std::ios::in | std::ios::out | std::ios::binary);
        database.seekp(static_cast<std::streamoff>(size / 2));
        database << std::string(1024 * 1024, '\xa5');
    }
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "") << "opened at once, the check still running";
    EXPECT_EQ(store.takeNotice(), "");
    std::vector<ConnectionRecord> calls { call("ISP", 400'000'000) };
    std::string notice;
    for (int round = 0; round < 600 && notice.empty(); ++round) {
        ASSERT_EQ(store.write(calls, { { "ISP", 400'000'000, 900, 1, 2 } }), "");
        notice = store.takeNotice();
        if (notice.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_NE(notice.find("moved aside as"), std::string::npos) << "the damage was found";
    const auto calls2 = store.connections(0, 1'000'000'000);
    ASSERT_EQ(calls2.size(), 1u) << "the connection written anew into the new file";
    EXPECT_EQ(store.buckets(0, 1'000'000'000).size(), 1u);
}

TEST_F(Store, AReaderNamesAMissingOrDamagedFile)
{
    UsageStore missing(file(), UsageStore::Mode::ReadOnly);
    const std::string problem = missing.open();
    EXPECT_NE(problem.find(file().string()), std::string::npos) << problem;
    EXPECT_FALSE(std::filesystem::exists(file())) << "a reader creates nothing";

    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file()) << std::string(8192, 'x');
    UsageStore damaged(file(), UsageStore::Mode::ReadOnly);
    EXPECT_NE(damaged.open(), "");
    EXPECT_TRUE(std::filesystem::exists(file())) << "a reader moves nothing aside";
}

TEST_F(Store, DamageBeyondTheFirstPageIsSaidByAReaderAndMovedAsideByTheWriter)
{
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> calls;
        std::vector<Bucket> buckets;
        for (int i = 0; i < 2000; ++i) {
            calls.push_back(call("ISP " + std::to_string(i % 7), 1000 + i * 900));
            buckets.push_back({ "ISP", 900 + i * 900, 900, i, i });
        }
        ASSERT_EQ(store.write(calls, buckets), "");
    }
    // Every page after the first: the header still reads, the tables do not.
    {
        std::fstream database(file(), std::ios::in | std::ios::out | std::ios::binary);
        database.seekg(0, std::ios::end);
        const auto size = static_cast<std::size_t>(database.tellg());
        ASSERT_GT(size, 16384u);
        database.seekp(4096);
        database << std::string(size - 4096, '\xa5');
    }
    UsageStore reader(file(), UsageStore::Mode::ReadOnly);
    std::string problem = reader.open();
    if (problem.empty()) {
        EXPECT_TRUE(reader.buckets(0, 10'000'000).empty());
        problem = reader.readError();
    }
    EXPECT_NE(problem.find(file().string()), std::string::npos) << problem;
    EXPECT_TRUE(std::filesystem::exists(file())) << "a reader moves nothing aside";

    UsageStore writer(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(writer.open(), "");
    const std::string notice = writer.takeNotice();
    EXPECT_NE(notice.find("moved aside as"), std::string::npos) << notice;
    EXPECT_TRUE(writer.connections(0, 10'000'000).empty()) << "started afresh";
}

TEST_F(Store, AFailedReadIsStillSaidAfterALaterOneSucceeds)
{
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> calls { call("ISP", 1000) };
        ASSERT_EQ(store.write(calls, { { "ISP", 900, 900, 5, 50 } }), "");
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE buckets", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    UsageStore reader(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(reader.open(), "");
    EXPECT_TRUE(reader.sums(0, 10000).empty());
    EXPECT_EQ(reader.connections(0, 10000).size(), 1u);
    EXPECT_NE(reader.readError().find(file().string()), std::string::npos)
        << "a report of buckets and connections read together would be short of the buckets";
}

TEST_F(Store, ANewerFileIsSaidAsSuchAndAnUnwritableFolderIsNot)
{
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<ConnectionRecord> calls { call("ISP", 1000) };
        ASSERT_EQ(store.write(calls, {}), "");
    }
    // The file the user's, in a folder only root may write, as after a restore or a run with
    // sudo: opened by a user of its own in a child.
    const auto answer = testing_support::answerOfChild([&] {
        const auto folder = file().parent_path();
        constexpr uid_t kNobody = 65534;
        if (::chmod(folder.parent_path().c_str(), 0755) != 0 || ::chmod(folder.c_str(), 0755) != 0
            || ::chown(file().c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0
            || ::setuid(kNobody) != 0)
            return std::string("no other user");
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        return store.open();
    });
    ASSERT_TRUE(answer);
    const std::string& said = *answer;
    if (said == "no other user") {
        VANTREL_SKIP_UNLESS_CI() << "root is needed to open the file as another user";
    }
    EXPECT_NE(said.find(file().string()), std::string::npos) << said;
    EXPECT_EQ(said.find("newer version"), std::string::npos) << said;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version = 3", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    UsageStore newer(file(), UsageStore::Mode::ReadWrite);
    EXPECT_NE(newer.open().find("written by a newer version"), std::string::npos);
}

TEST_F(Store, AReaderSeesCommittedDataWhileTheWriterHasTheFileOpen)
{
    UsageStore writer(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(writer.open(), "");
    std::vector<ConnectionRecord> calls { call("ISP", 1000) };
    ASSERT_EQ(writer.write(calls, { { "ISP", 900, 900, 1, 2 } }), "");
    UsageStore reader(file(), UsageStore::Mode::ReadOnly);
    ASSERT_EQ(reader.open(), "");
    EXPECT_EQ(reader.buckets(0, 10000).size(), 1u);
    ASSERT_EQ(writer.write(calls, { { "ISP", 1800, 900, 1, 2 } }), "");
    EXPECT_EQ(reader.buckets(0, 10000).size(), 2u);
}

TEST_F(Store, AFolderThatCannotBeMadeIsAMessageNamingTheFile)
{
    // A file where the folder should be stops root as well as a user.
    std::ofstream(file().parent_path().string()) << "not a folder";
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    const std::string problem = store.open();
    EXPECT_NE(problem.find(file().string()), std::string::npos) << problem;
    EXPECT_FALSE(store.isOpen());
}

TEST_F(Store, CompactingMergesOldFineBucketsIntoLocalDaysKeepingEveryByte)
{
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    writeFourFineDays(store, { "ISP" });
    bool more = true;
    ASSERT_EQ(store.compact(3 * 86400, 1'000'000, more), "");
    EXPECT_FALSE(more);
    const auto after = store.buckets(0, 10 * 86400);
    ASSERT_EQ(after.size(), 2u + 2 * 96) << "the first two days merged, the rest left fine";
    EXPECT_EQ(after[0].start, 86400);
    EXPECT_EQ(after[0].span, 86400);
    EXPECT_EQ(after[0].sent, 96);
    std::int64_t received = 0;
    for (const auto& bucket : after)
        received += bucket.received;
    EXPECT_EQ(received, 4 * 96 * 10);
}

TEST_F(Store, CompactingInStepsEndsWithTheSameDays)
{
    // Guards against a large history merged in one transaction on the window's thread: in
    // bounded steps, a day met in part by one step is completed by the next.
    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    writeFourFineDays(store, { "VPN", "ISP" });
    bool more = true;
    int steps = 0;
    while (more && steps < 100) {
        ASSERT_EQ(store.compact(3 * 86400, 50, more), "");
        ++steps;
    }
    EXPECT_EQ(steps, 4) << "192 rows before the cutoff, 50 a step";
    const auto after = store.buckets(0, 10 * 86400);
    ASSERT_EQ(after.size(), 4u + 2 * 96) << "two names' first two days merged";
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i].span, 86400);
        EXPECT_EQ(after[i].sent, 48) << "each day whole, though steps cut it";
    }
}

// Guards against an earlier version's history losing its rows, or failing to open, on upgrade.
TEST_F(Store, AHistoryOfTheFirstVersionIsUpgradedKeepingItsRows)
{
    std::filesystem::create_directories(file().parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
    const char* const firstVersion = R"sql(
        CREATE TABLE connections (id INTEGER PRIMARY KEY, name TEXT NOT NULL,
            device_type TEXT NOT NULL DEFAULT '', device_name TEXT NOT NULL DEFAULT '',
            start INTEGER NOT NULL, end INTEGER, sent INTEGER NOT NULL DEFAULT 0,
            received INTEGER NOT NULL DEFAULT 0, duration INTEGER NOT NULL DEFAULT 0,
            client TEXT NOT NULL DEFAULT '', server TEXT NOT NULL DEFAULT '');
        CREATE INDEX connections_by_start ON connections(start, name);
        CREATE TABLE buckets (name TEXT NOT NULL, start INTEGER NOT NULL, span INTEGER NOT NULL,
            sent INTEGER NOT NULL, received INTEGER NOT NULL, PRIMARY KEY (name, start, span))
            WITHOUT ROWID;
        CREATE INDEX buckets_by_start ON buckets(start);
        INSERT INTO connections (name, start, end, sent, received, duration)
            VALUES ('ISP', 1000, 1600, 70, 700, 600);
        INSERT INTO buckets VALUES ('ISP', 900, 900, 70, 700);
        PRAGMA user_version = 1;)sql";
    ASSERT_EQ(sqlite3_exec(db, firstVersion, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    UsageStore store(file(), UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    EXPECT_EQ(store.takeNotice(), "") << "nothing moved aside";
    ASSERT_EQ(store.connections(0, 10000).size(), 1u);
    const auto sums = store.sums(0, 10000);
    ASSERT_EQ(sums.size(), 1u);
    EXPECT_EQ(sums[0].received, 700);
    std::vector<ConnectionRecord> none;
    ASSERT_EQ(store.write(none, { { "ISP", 900, 900, 1, 1 } }), "") << "and written on";
    EXPECT_EQ(store.sums(0, 10000)[0].received, 701);
}

} // namespace
