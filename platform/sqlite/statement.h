// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace platform::sqlite {

class StatementCache;

// A cached prepared statement for the scope that uses it: reset and its bindings cleared when
// the scope ends. Failures are thrown as sqlite::Failure.
class Statement
{
public:
    Statement(StatementCache& cache, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value);
    // Bound without a copy: the caller's text outlives the step that reads it.
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::string&& text) = delete; // would be gone before the step
    Statement& bindNull(int index);
    // A zero-length blob rather than NULL for empty data; bound without a copy, as text is.
    Statement& bindBlob(int index, std::span<const std::uint8_t> data);

    // True while a row is available.
    bool step();
    // Steps to the end, then resets, so the statement can run again in the same scope.
    void run();

    std::int64_t integer(int column) const;
    bool isNull(int column) const;
    std::string text(int column) const;
    std::vector<std::uint8_t> blob(int column) const;

private:
    sqlite3_stmt* m_stmt;
};

} // namespace platform::sqlite
