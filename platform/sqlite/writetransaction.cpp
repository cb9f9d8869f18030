// SPDX-License-Identifier: GPL-3.0-or-later
#include "writetransaction.h"

#include "failure.h"

#include <sqlite3.h>

namespace platform::sqlite {

WriteTransaction::WriteTransaction(sqlite3* db)
    : m_db(db)
    , m_nested(!sqlite3_get_autocommit(db))
{
    exec(m_db, m_nested ? "SAVEPOINT step" : "BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction()
{
    if (!m_done)
        sqlite3_exec(m_db, m_nested ? "ROLLBACK TO step; RELEASE step" : "ROLLBACK", nullptr,
            nullptr, nullptr);
}

void WriteTransaction::commit()
{
    exec(m_db, m_nested ? "RELEASE step" : "COMMIT");
    m_done = true;
}

} // namespace platform::sqlite
