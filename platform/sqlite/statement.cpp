// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement.h"

#include "failure.h"
#include "statementcache.h"

#include <sqlite3.h>

namespace platform::sqlite {

Statement::Statement(StatementCache& cache, const char* sql)
    : m_stmt(cache.prepared(sql))
{
}

Statement::~Statement()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

Statement& Statement::bind(int index, std::int64_t value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement& Statement::bind(int index, std::string_view text)
{
    check(sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), nullptr));
    return *this;
}

Statement& Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

Statement& Statement::bindBlob(int index, std::span<const std::uint8_t> data)
{
    check(data.empty() ? sqlite3_bind_zeroblob(m_stmt, index, 0)
                       : sqlite3_bind_blob(
                           m_stmt, index, data.data(), static_cast<int>(data.size()), nullptr));
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Failure { rc };
}

void Statement::run()
{
    while (step()) { }
    sqlite3_reset(m_stmt);
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string Statement::text(int column) const
{
    const auto* chars = sqlite3_column_text(m_stmt, column);
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
    return chars ? std::string(reinterpret_cast<const char*>(chars), size) : std::string();
}

std::vector<std::uint8_t> Statement::blob(int column) const
{
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_stmt, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
    return bytes ? std::vector<std::uint8_t>(bytes, bytes + size) : std::vector<std::uint8_t>();
}

} // namespace platform::sqlite
