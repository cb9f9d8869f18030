// SPDX-License-Identifier: GPL-3.0-or-later
// Reads that belong together see one snapshot of a database another connection writes to.
#include "platform/sqlite/readtransaction.h"
#include "platform/sqlite/statement.h"
#include "platform/sqlite/statementcache.h"
#include "tests/support/scratchruntime.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using platform::sqlite::ReadTransaction;
using platform::sqlite::Statement;

class ReadTransactionTest : public testing::Test
{
protected:
    ReadTransactionTest()
    {
        const std::string file = (m_folder.path() / "reads.sqlite3").string();
        for (sqlite3** db : { &m_reader, &m_writer })
            sqlite3_open(file.c_str(), db);
        sqlite3_exec(
            m_writer, "PRAGMA journal_mode = WAL; CREATE TABLE t (x)", nullptr, nullptr, nullptr);
        m_statements.attach(m_reader);
    }
    ~ReadTransactionTest() override
    {
        m_statements.attach(nullptr);
        sqlite3_close(m_reader);
        sqlite3_close(m_writer);
    }
    std::int64_t rows()
    {
        Statement count(m_statements, "SELECT count(*) FROM t");
        count.step();
        return count.integer(0);
    }
    void insertElsewhere()
    {
        sqlite3_exec(m_writer, "INSERT INTO t VALUES (1)", nullptr, nullptr, nullptr);
    }

    testing_support::TemporaryFolder m_folder;
    sqlite3* m_reader = nullptr;
    sqlite3* m_writer = nullptr;
    platform::sqlite::StatementCache m_statements;
};

TEST_F(ReadTransactionTest, ReadsInItsScopeSeeOneSnapshotAndLaterReadsSeeNewRows)
{
    {
        const ReadTransaction snapshot(m_statements);
        EXPECT_EQ(rows(), 0);
        insertElsewhere();
        EXPECT_EQ(rows(), 0);
    }
    EXPECT_NE(sqlite3_get_autocommit(m_reader), 0) << "the transaction outlived its scope";
    EXPECT_EQ(rows(), 1);
}

TEST_F(ReadTransactionTest, InsideAnOpenTransactionItLeavesThatOneOpen)
{
    sqlite3_exec(m_reader, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    {
        const ReadTransaction nested(m_statements);
        EXPECT_EQ(rows(), 0);
    }
    EXPECT_EQ(sqlite3_get_autocommit(m_reader), 0);
    EXPECT_EQ(sqlite3_exec(m_reader, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
}

} // namespace
