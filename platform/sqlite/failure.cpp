// SPDX-License-Identifier: GPL-3.0-or-later
#include "failure.h"

#include <sqlite3.h>

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

bool isCorruption(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

} // namespace platform::sqlite
