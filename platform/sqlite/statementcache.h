// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::sqlite {

// The prepared statements of one database connection, each prepared once and kept until the
// connection closes. Keyed by the SQL literal's address: callers pass string literals.
class StatementCache
{
public:
    StatementCache() = default;
    ~StatementCache() { clear(); }
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // Statements from here on are prepared on `db` (nullptr: none open).
    void attach(sqlite3* db);
    sqlite3* db() const { return m_db; }
    // The statement for `sql`, prepared on first use; throws a Failure when it cannot be.
    sqlite3_stmt* prepared(const char* sql);
    // Finalises every statement: before the connection closes.
    void clear();

private:
    sqlite3* m_db = nullptr;
    std::unordered_map<const char*, sqlite3_stmt*> m_statements;
};

} // namespace platform::sqlite
