// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct sqlite3;

namespace platform::sqlite {

class StatementCache;

// BEGIN ... COMMIT around reads that belong together: they see one snapshot, and the
// write-ahead log is locked for reading once instead of once per statement. Inside a
// transaction already open it does nothing.
class ReadTransaction
{
public:
    ReadTransaction(StatementCache& statements, sqlite3* db);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    StatementCache& m_statements;
    sqlite3* m_db;
    bool m_began;
};

} // namespace platform::sqlite
