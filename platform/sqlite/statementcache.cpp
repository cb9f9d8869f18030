// SPDX-License-Identifier: GPL-3.0-or-later
#include "statementcache.h"

#include "failure.h"

#include <sqlite3.h>

namespace platform::sqlite {

void StatementCache::attach(sqlite3* db)
{
    clear();
    m_db = db;
}

sqlite3_stmt* StatementCache::prepared(const char* sql)
{
    auto found = m_statements.find(sql);
    if (found == m_statements.end()) {
        sqlite3_stmt* statement = nullptr;
        check(sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr));
        found = m_statements.emplace(sql, statement).first;
    }
    return found->second;
}

void StatementCache::clear()
{
    for (auto& entry : m_statements)
        sqlite3_finalize(entry.second);
    m_statements.clear();
}

} // namespace platform::sqlite
