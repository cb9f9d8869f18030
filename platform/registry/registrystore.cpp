// SPDX-License-Identifier: GPL-3.0-or-later
#include "registrystore.h"

#include "../damagedfile.h"
#include "../logging.h"

#include <sqlite3.h>
#include <system_error>

namespace platform {

const char* toString(StoreStatus status)
{
    switch (status) {
    case StoreStatus::Ok:
        return "success";
    case StoreStatus::NotFound:
        return "not found";
    case StoreStatus::Busy:
        return "the registry database is locked by another program";
    case StoreStatus::ReadOnly:
        return "the registry database cannot be written";
    case StoreStatus::KeyDeleted:
        return "the key has been deleted";
    case StoreStatus::BadPath:
        return "invalid key name";
    case StoreStatus::Io:
        return "registry database error";
    }
    return "unknown error";
}

namespace {

constexpr int kSchemaVersion = 1;

const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys (
    id     INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name   TEXT NOT NULL,
    path   TEXT NOT NULL UNIQUE COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS keys_by_parent ON keys(parent, name COLLATE NOCASE);
CREATE TABLE IF NOT EXISTS vals (
    key  INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE (key, name)
);
)sql";

struct SqliteFailure
{
    int code;
};

bool isCorruption(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

StoreStatus errorFor(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreStatus::Busy;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return StoreStatus::ReadOnly;
    case SQLITE_CONSTRAINT:
        // A value written to a key another process has just deleted.
        return StoreStatus::KeyDeleted;
    default:
        return StoreStatus::Io;
    }
}

} // namespace

// A cached prepared statement, reset when the scope that used it ends.
class RegistryStore::Statement
{
public:
    Statement(RegistryStore& store, const char* sql)
    {
        auto found = store.m_statements.find(sql);
        if (found == store.m_statements.end()) {
            sqlite3_stmt* prepared = nullptr;
            check(sqlite3_prepare_v3(
                store.m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr));
            found = store.m_statements.emplace(sql, prepared).first;
        }
        m_stmt = found->second;
    }
    ~Statement()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value)
    {
        check(sqlite3_bind_int64(m_stmt, index, value));
        return *this;
    }
    // Bound without a copy: the caller's text outlives the step that reads it.
    Statement& bind(int index, std::string_view text)
    {
        check(
            sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), nullptr));
        return *this;
    }
    Statement& bindBlob(int index, const std::vector<win::BYTE>& data)
    {
        // A zero-length blob rather than NULL for empty data.
        check(data.empty() ? sqlite3_bind_zeroblob(m_stmt, index, 0)
                           : sqlite3_bind_blob(
                               m_stmt, index, data.data(), static_cast<int>(data.size()), nullptr));
        return *this;
    }
    // True while a row is available.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw SqliteFailure { rc };
    }
    void run()
    {
        while (step()) { }
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    std::string text(int column) const
    {
        const auto* chars = sqlite3_column_text(m_stmt, column);
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
        return chars ? std::string(reinterpret_cast<const char*>(chars), size) : std::string();
    }
    std::vector<win::BYTE> blob(int column) const
    {
        const auto* bytes = static_cast<const win::BYTE*>(sqlite3_column_blob(m_stmt, column));
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
        return bytes ? std::vector<win::BYTE>(bytes, bytes + size) : std::vector<win::BYTE>();
    }

    static void check(int rc)
    {
        if (rc != SQLITE_OK)
            throw SqliteFailure { rc };
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

namespace {

// BEGIN IMMEDIATE ... COMMIT, rolled back when the scope is left by an error.
class WriteTransaction
{
public:
    explicit WriteTransaction(sqlite3* db)
        : m_db(db)
    {
        exec("BEGIN IMMEDIATE");
    }
    ~WriteTransaction()
    {
        if (!m_done)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit()
    {
        exec("COMMIT");
        m_done = true;
    }

private:
    void exec(const char* sql)
    {
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throw SqliteFailure { rc };
    }

    sqlite3* m_db;
    bool m_done = false;
};

void exec(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw SqliteFailure { rc };
}

bool validKeyPath(std::string_view path)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::size_t length = end - start;
        if (length == 0 || length > RegistryStore::kMaxKeyNameLength)
            return false;
        if (end == path.size())
            return true;
        start = end + 1;
    }
}

} // namespace

RegistryStore::RegistryStore(std::filesystem::path databaseFile, std::chrono::milliseconds lockWait)
    : m_file(std::move(databaseFile))
    , m_lockWait(lockWait)
{
}

RegistryStore::~RegistryStore()
{
    closeDatabase();
}

void RegistryStore::closeDatabase()
{
    for (auto& entry : m_statements)
        sqlite3_finalize(entry.second);
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool RegistryStore::ensureOpen()
{
    for (int attempt = 0; !m_db && attempt < 2; ++attempt) {
        try {
            openDatabase();
        } catch (const SqliteFailure& failure) {
            if (isCorruption(failure.code) && attempt == 0) {
                moveAsideCorrupt(sqlite3_errstr(failure.code));
                continue;
            }
            closeDatabase();
            if (!m_openFailureReported)
                qCWarning(lcPlatform).noquote().nospace()
                    << "registry database " << m_file.c_str()
                    << " cannot be opened: " << sqlite3_errstr(failure.code)
                    << "; settings are not saved";
            m_openFailureReported = true;
            return false;
        }
    }
    return m_db != nullptr;
}

void RegistryStore::openDatabase()
{
    std::error_code ignored;
    std::filesystem::create_directories(m_file.parent_path(), ignored);
    m_readOnly = false;
    int rc = sqlite3_open_v2(
        m_file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK && std::filesystem::exists(m_file, ignored)) {
        // An unwritable folder or file: its settings can still be read.
        closeDatabase();
        rc = sqlite3_open_v2(m_file.c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr);
        m_readOnly = true;
    }
    if (rc != SQLITE_OK)
        throw SqliteFailure { rc };
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, static_cast<int>(m_lockWait.count()));
    exec(m_db, "PRAGMA foreign_keys = ON");
    if (!m_readOnly) {
        // WAL lets readers in other processes go on while one writes; a commit is still atomic
        // and survives a killed process.
        exec(m_db, "PRAGMA journal_mode = WAL");
        exec(m_db, "PRAGMA synchronous = NORMAL");
    }
    {
        Statement check(*this, "PRAGMA quick_check(1)");
        if (!check.step() || check.text(0) != "ok")
            throw SqliteFailure { SQLITE_CORRUPT };
    }
    std::int64_t version = 0;
    {
        Statement query(*this, "PRAGMA user_version");
        if (query.step())
            version = query.integer(0);
    }
    if (version > kSchemaVersion) {
        qCWarning(lcPlatform).noquote().nospace()
            << "registry database " << m_file.c_str()
            << " was written by a newer version; opened read-only";
        m_readOnly = true;
    }
    if (!m_readOnly && version < kSchemaVersion) {
        WriteTransaction transaction(m_db);
        exec(m_db, kSchema);
        exec(m_db, "PRAGMA user_version = 1");
        transaction.commit();
    }
}

void RegistryStore::moveAsideCorrupt(const char* reason)
{
    closeDatabase();
    const auto moved = moveAsideDamaged(m_file);
    if (const auto* error = std::get_if<std::error_code>(&moved)) {
        qCWarning(lcPlatform).noquote().nospace()
            << "registry database " << m_file.c_str() << " is damaged (" << reason
            << ") and could not be moved aside: " << error->message().c_str();
        return;
    }
    qCWarning(lcPlatform).noquote().nospace()
        << "registry database " << m_file.c_str() << " is damaged (" << reason
        << "); moved aside as " << std::get<std::filesystem::path>(moved).c_str()
        << " and replaced by an empty one";
}

void RegistryStore::writeFailed(int code)
{
    if (m_writesFailing)
        return;
    m_writesFailing = true;
    // Once another writer has held the database past the wait, the writes that follow fail at
    // once instead of each waiting in turn, until one gets through.
    if (m_db)
        sqlite3_busy_timeout(m_db, 0);
    qCWarning(lcPlatform).noquote().nospace() << "registry database " << m_file.c_str()
                                              << " could not be written: " << sqlite3_errstr(code)
                                              << "; settings changed meanwhile are not saved";
}

template<typename F>
auto RegistryStore::guarded(bool writes, F&& operation) -> decltype(operation())
{
    for (int attempt = 0;; ++attempt) {
        if (!ensureOpen())
            return writes ? StoreStatus::ReadOnly : StoreStatus::NotFound;
        if (writes && m_readOnly)
            return StoreStatus::ReadOnly;
        try {
            // Only a write that changed the database shows the lock is gone.
            const bool watchRecovery = writes && m_writesFailing;
            const sqlite3_int64 changesBefore = watchRecovery ? sqlite3_total_changes64(m_db) : 0;
            auto result = operation();
            if (watchRecovery && sqlite3_total_changes64(m_db) > changesBefore) {
                m_writesFailing = false;
                sqlite3_busy_timeout(m_db, static_cast<int>(m_lockWait.count()));
                qCWarning(lcPlatform).noquote().nospace()
                    << "registry database " << m_file.c_str() << " can be written again";
            }
            return result;
        } catch (const SqliteFailure& failure) {
            if (isCorruption(failure.code) && attempt == 0) {
                moveAsideCorrupt(sqlite3_errstr(failure.code));
                continue;
            }
            if (writes)
                writeFailed(failure.code);
            return errorFor(failure.code);
        }
    }
}

bool RegistryStore::keyExists(KeyId key)
{
    Statement query(*this, "SELECT 1 FROM keys WHERE id = ?1");
    return query.bind(1, key).step();
}

StoreResult<KeyId> RegistryStore::findKey(std::string_view fullPath)
{
    if (!validKeyPath(fullPath))
        return StoreStatus::BadPath;
    return guarded(false, [&]() -> StoreResult<KeyId> {
        Statement query(*this, "SELECT id FROM keys WHERE path = ?1");
        if (!query.bind(1, fullPath).step())
            return StoreStatus::NotFound;
        return query.integer(0);
    });
}

StoreResult<std::pair<KeyId, bool>> RegistryStore::createKey(std::string_view fullPath)
{
    if (!validKeyPath(fullPath))
        return StoreStatus::BadPath;
    return guarded(true, [&]() -> StoreResult<std::pair<KeyId, bool>> {
        {
            Statement query(*this, "SELECT id FROM keys WHERE path = ?1");
            if (query.bind(1, fullPath).step())
                return std::pair { query.integer(0), false };
        }
        WriteTransaction transaction(m_db);
        std::optional<KeyId> parent;
        std::size_t end = 0;
        while (end < fullPath.size()) {
            const std::size_t start = parent ? end + 1 : 0;
            end = std::min(fullPath.find('\\', start), fullPath.size());
            const std::string_view prefix = fullPath.substr(0, end);
            Statement query(*this, "SELECT id FROM keys WHERE path = ?1");
            if (query.bind(1, prefix).step()) {
                parent = query.integer(0);
                continue;
            }
            Statement insert(*this, "INSERT INTO keys (parent, name, path) VALUES (?1, ?2, ?3)");
            if (parent)
                insert.bind(1, *parent);
            insert.bind(2, fullPath.substr(start, end - start)).bind(3, prefix).run();
            parent = sqlite3_last_insert_rowid(m_db);
        }
        transaction.commit();
        return std::pair { *parent, true };
    });
}

StoreStatus RegistryStore::deleteTree(KeyId key)
{
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        Statement remove(*this, "DELETE FROM keys WHERE id = ?1");
        remove.bind(1, key).run();
        return sqlite3_changes(m_db) > 0;
    });
    if (!result.ok())
        return result.status();
    return result.value() ? StoreStatus::Ok : StoreStatus::NotFound;
}

StoreResult<RegistryValue> RegistryStore::value(KeyId key, std::string_view name)
{
    return guarded(false, [&]() -> StoreResult<RegistryValue> {
        Statement query(*this, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
        if (!query.bind(1, key).bind(2, name).step())
            return StoreStatus::NotFound;
        return RegistryValue { static_cast<win::DWORD>(query.integer(0)), query.blob(1) };
    });
}

StoreStatus RegistryStore::setValue(KeyId key, std::string_view name, const RegistryValue& value)
{
    if (name.size() > kMaxValueNameLength)
        return StoreStatus::BadPath;
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        Statement upsert(*this,
            "INSERT INTO vals (key, name, type, data) VALUES (?1, ?2, ?3, ?4) "
            "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, data = excluded.data");
        upsert.bind(1, key).bind(2, name).bind(3, static_cast<std::int64_t>(value.type));
        upsert.bindBlob(4, value.data).run();
        return true;
    });
    return result.status();
}

StoreStatus RegistryStore::deleteValue(KeyId key, std::string_view name)
{
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        Statement remove(*this, "DELETE FROM vals WHERE key = ?1 AND name = ?2");
        remove.bind(1, key).bind(2, name).run();
        return sqlite3_changes(m_db) > 0;
    });
    if (!result.ok())
        return result.status();
    return result.value() ? StoreStatus::Ok : StoreStatus::NotFound;
}

StoreResult<std::vector<std::string>> RegistryStore::subKeys(KeyId key)
{
    return guarded(false, [&]() -> StoreResult<std::vector<std::string>> {
        if (!keyExists(key))
            return StoreStatus::KeyDeleted;
        Statement query(
            *this, "SELECT name FROM keys WHERE parent = ?1 ORDER BY name COLLATE NOCASE");
        query.bind(1, key);
        std::vector<std::string> names;
        while (query.step())
            names.push_back(query.text(0));
        return names;
    });
}

StoreResult<std::vector<StoredValue>> RegistryStore::values(KeyId key)
{
    return guarded(false, [&]() -> StoreResult<std::vector<StoredValue>> {
        if (!keyExists(key))
            return StoreStatus::KeyDeleted;
        Statement query(*this, "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY rowid");
        query.bind(1, key);
        std::vector<StoredValue> found;
        while (query.step())
            found.push_back(
                { query.text(0), { static_cast<win::DWORD>(query.integer(1)), query.blob(2) } });
        return found;
    });
}

} // namespace platform
