// SPDX-License-Identifier: GPL-3.0-or-later
#include "readtransaction.h"

#include "failure.h"
#include "statement.h"
#include "statementcache.h"

#include <sqlite3.h>

namespace platform::sqlite {

ReadTransaction::ReadTransaction(StatementCache& statements)
    : m_statements(statements)
    , m_began(sqlite3_get_autocommit(statements.db()) != 0)
{
    if (m_began)
        Statement(m_statements, "BEGIN").run();
}

ReadTransaction::~ReadTransaction()
{
    if (!m_began)
        return;
    try {
        Statement(m_statements, "COMMIT").run();
    } catch (const Failure&) {
        // Nothing was written, so nothing is lost; the connection must not stay in a transaction.
        sqlite3_exec(m_statements.db(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

} // namespace platform::sqlite
