// SPDX-License-Identifier: GPL-3.0-or-later
// The one way both stores open their databases: layout upgrades, newer files, damage, modes.
#include "platform/sqlite/statement.h"
#include "platform/sqlite/statementcache.h"
#include "platform/sqlite/storeopener.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

namespace {

using namespace platform::sqlite;

constexpr const char* kCreate = "CREATE TABLE IF NOT EXISTS t (x); "
                                "CREATE INDEX IF NOT EXISTS t_by_x ON t(x)";
// Version 1 had a column y that version 2 dropped, and an index by y.
constexpr const char* kFromVersion1
    = "DROP INDEX IF EXISTS t_by_y; CREATE TABLE t2 (x); INSERT INTO t2 SELECT x FROM t; "
      "DROP TABLE t; ALTER TABLE t2 RENAME TO t";
constexpr Schema::Upgrade kUpgrades[] = { { 1, kFromVersion1 } };
constexpr Schema kLayout { 2, kCreate, kUpgrades, false };

class StoreOpener : public testing::Test
{
protected:
    ~StoreOpener() override { close(); }

    StoreFile store(Access access) const
    {
        StoreFile store;
        store.file = file();
        store.access = access;
        store.schema = kLayout;
        store.ownFolder = false;
        return store;
    }
    std::filesystem::path file() const { return m_folder.path() / "store.sqlite3"; }
    void keep(const OpenedStore& opened) { m_db = opened.db; }
    void close()
    {
        m_statements.attach(nullptr);
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    // Runs SQL on the file through a connection of its own.
    void write(const char* sql) const
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    }
    std::int64_t number(const char* sql)
    {
        Statement query(m_statements, sql);
        return query.step() ? query.integer(0) : -1;
    }

    std::string text(const char* sql)
    {
        Statement query(m_statements, sql);
        return query.step() ? query.text(0) : std::string();
    }

    testing_support::TemporaryFolder m_folder;
    StatementCache m_statements;
    sqlite3* m_db = nullptr;
};

TEST_F(StoreOpener, AWriterMakesTheCurrentLayoutInANewFile)
{
    const OpenedStore opened = openStore(store(Access::Write), m_statements);
    keep(opened);
    EXPECT_FALSE(opened.readOnly);
    EXPECT_FALSE(opened.newer);
    EXPECT_EQ(opened.identity, identityOf(file()));
    EXPECT_EQ(number("PRAGMA user_version"), 2);
    EXPECT_EQ(number("SELECT count(*) FROM sqlite_master WHERE name = 't_by_x'"), 1);
    EXPECT_EQ(text("PRAGMA journal_mode"), "wal") << "readers go on while it writes";
}

// Guards against an upgrade that runs the script of the wrong version, or leaves out what the
// current layout adds beside the script.
TEST_F(StoreOpener, AnEarlierLayoutRunsItsScriptThenGainsWhatIsMissing)
{
    std::filesystem::create_directories(file().parent_path());
    write("CREATE TABLE t (x, y); CREATE INDEX t_by_y ON t(y); INSERT INTO t VALUES (7, 8); "
          "PRAGMA user_version = 1");
    keep(openStore(store(Access::Write), m_statements));
    EXPECT_EQ(number("PRAGMA user_version"), 2);
    EXPECT_EQ(number("SELECT x FROM t"), 7) << "rows kept";
    EXPECT_EQ(number("SELECT count(*) FROM sqlite_master WHERE name = 't_by_y'"), 0);
    EXPECT_EQ(number("SELECT count(*) FROM sqlite_master WHERE name = 't_by_x'"), 1);
}

TEST_F(StoreOpener, ANewerLayoutIsOnlyReadAndLeftAsItIs)
{
    write("CREATE TABLE t (x); PRAGMA user_version = 7");
    const OpenedStore opened = openStore(store(Access::Write), m_statements);
    keep(opened);
    EXPECT_TRUE(opened.newer);
    EXPECT_TRUE(opened.readOnly);
    EXPECT_EQ(number("PRAGMA user_version"), 7);
    EXPECT_EQ(number("SELECT count(*) FROM sqlite_master WHERE name = 't_by_x'"), 0);
}

TEST_F(StoreOpener, AReaderFindsNoStoreInAFileNoneHasWritten)
{
    write("CREATE TABLE other (z)");
    try {
        keep(openStore(store(Access::Read), m_statements));
        FAIL() << "opened";
    } catch (const Failure& failure) {
        EXPECT_TRUE(isCorruption(failure.code));
    }
    EXPECT_EQ(m_statements.db(), nullptr) << "nothing left open";
}

TEST_F(StoreOpener, AReaderNeverChangesTheFile)
{
    write("CREATE TABLE t (x, y); PRAGMA user_version = 1");
    const OpenedStore opened = openStore(store(Access::Read), m_statements);
    keep(opened);
    EXPECT_TRUE(opened.readOnly);
    EXPECT_EQ(number("PRAGMA user_version"), 1) << "not upgraded";
}

TEST_F(StoreOpener, ADamagedFileIsHandedAsideOnceAndOpenedAgain)
{
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file()) << std::string(4096, 'G');
    int calls = 0;
    const OpenedStore opened = openStore(store(Access::Write), m_statements,
        [&](const Failure& failure, const std::optional<FileIdentity>& damaged) {
            ++calls;
            EXPECT_TRUE(isCorruption(failure.code));
            EXPECT_EQ(damaged, identityOf(file())) << "the file that was opened";
            std::filesystem::rename(file(), file().string() + ".aside");
            return true;
        });
    keep(opened);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(number("PRAGMA user_version"), 2);
}

TEST_F(StoreOpener, DamageLeftInPlaceIsThrownAfterOneAttempt)
{
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file()) << std::string(4096, 'G');
    int calls = 0;
    EXPECT_THROW(openStore(store(Access::Write), m_statements,
                     [&](const Failure&, const std::optional<FileIdentity>&) {
                         ++calls;
                         return true;
                     }),
        Failure);
    EXPECT_EQ(calls, 1);
}

TEST_F(StoreOpener, ALargeFileIsLeftUncheckedForTheCaller)
{
    StoreFile large = store(Access::Write);
    large.checkedUpTo = 0;
    keep(openStore(large, m_statements));
    close();
    const OpenedStore opened = openStore(large, m_statements);
    keep(opened);
    EXPECT_TRUE(opened.unchecked);
}

} // namespace
