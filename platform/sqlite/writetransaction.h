// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct sqlite3;

namespace platform::sqlite {

// BEGIN IMMEDIATE ... COMMIT, rolled back when the scope is left by an error. Inside a
// transaction already open it is a savepoint of that one.
class WriteTransaction
{
public:
    explicit WriteTransaction(sqlite3* db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit();

private:
    sqlite3* m_db;
    bool m_nested;
    bool m_done = false;
};

} // namespace platform::sqlite
