// SPDX-License-Identifier: GPL-3.0-or-later
#include "failure.h"

#include <sqlite3.h>
#include <thread>

namespace platform::sqlite {

void check(int rc)
{
    if (rc != SQLITE_OK)
        throw Failure { rc };
}

void exec(sqlite3* db, const char* sql)
{
    check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

void useWriteAheadLog(sqlite3* db, std::chrono::milliseconds wait)
{
    // The switch upgrades a read lock to a write lock; SQLite answers a contended upgrade with
    // SQLITE_BUSY at once rather than calling the busy handler (it could deadlock), so two
    // programs creating the database together need this wait of their own.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        if ((rc & 0xff) != SQLITE_BUSY || std::chrono::steady_clock::now() >= deadline) {
            check(rc);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool isCorruption(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

} // namespace platform::sqlite
