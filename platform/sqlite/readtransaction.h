// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform::sqlite {

class StatementCache;

// BEGIN ... COMMIT around reads that belong together: they see one snapshot, and the
// write-ahead log is locked for reading once instead of once per statement. Inside a
// transaction already open it does nothing.
class ReadTransaction
{
public:
    explicit ReadTransaction(StatementCache& statements);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    StatementCache& m_statements;
    bool m_began;
};

} // namespace platform::sqlite
