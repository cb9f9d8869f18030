// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

struct sqlite3;

namespace platform::sqlite {

// A failed SQLite call, thrown by the wrappers here and caught where a store turns it into its
// own error.
struct Failure
{
    int code; // extended result code
    std::string detail = {}; // NOLINT(readability-redundant-member-init): { code } leaves it out
                             // the system said, when SQLite's own text would hide it
};

// Throws a Failure unless `rc` is SQLITE_OK.
void check(int rc);
// Runs SQL without results (pragmas, schema), throwing on failure.
void exec(sqlite3* db, const char* sql);
// Switches the database to write-ahead logging, waiting up to `wait` for other connections
// doing the same; throws a Failure when they hold it longer.
void useWriteAheadLog(sqlite3* db, std::chrono::milliseconds wait);
// Whether a result code says the file is damaged or not a database at all.
bool isCorruption(int code);

} // namespace platform::sqlite
