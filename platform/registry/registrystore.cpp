// SPDX-License-Identifier: GPL-3.0-or-later
#include "registrystore.h"

#include "../damagedfile.h"
#include "../databasefile.h"
#include "../logging.h"
#include "../sqlite/failure.h"
#include "../sqlite/readtransaction.h"
#include "../sqlite/statement.h"
#include "../sqlite/storeopener.h"
#include "../sqlite/writetransaction.h"

#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>

namespace platform {

using sqlite::isCorruption;
using sqlite::Statement;
using sqlite::WriteTransaction;

namespace {

QString shown(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

} // namespace

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
    case StoreStatus::KeyNameTooLong:
        return "a key name is longer than 255 characters";
    case StoreStatus::ValueNameTooLong:
        return "the value name is longer than 16383 characters";
    case StoreStatus::TooDeep:
        return "the key is more than 512 levels deep";
    case StoreStatus::Io:
        return "registry database error";
    }
    return "unknown error";
}

namespace {

// A key keeps its own name only, never its full path, so that what a tree costs grows with
// the names it holds rather than with the square of its depth.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys (
    id     INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name   TEXT NOT NULL COLLATE NOCASE
);
CREATE UNIQUE INDEX IF NOT EXISTS keys_by_name ON keys(ifnull(parent, 0), name);
CREATE INDEX IF NOT EXISTS keys_by_parent ON keys(parent);
CREATE TABLE IF NOT EXISTS vals (
    key  INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE (key, name)
);
)sql";

// Version 1 kept each key's full path beside its name; the table is rebuilt without it.
constexpr const char* kFromVersion1 = R"sql(
CREATE TABLE keys_v2 (
    id     INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name   TEXT NOT NULL COLLATE NOCASE
);
INSERT INTO keys_v2 (id, parent, name) SELECT id, parent, name FROM keys;
DROP TABLE keys;
ALTER TABLE keys_v2 RENAME TO keys;
CREATE UNIQUE INDEX keys_by_name ON keys(ifnull(parent, 0), name);
CREATE INDEX keys_by_parent ON keys(parent);
)sql";

constexpr sqlite::Schema::Upgrade kUpgrades[] = { { 1, kFromVersion1 } };
constexpr sqlite::Schema kLayout { 2, kSchema, kUpgrades, true };

// A disk-full failure is over only when the file system has this much room again: a full disk
// lets some small writes through now and then.
constexpr unsigned long long kRoomToRecover = 1024 * 1024;

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

StoreStatus RegistryStore::checkKeyPath(std::string_view fullPath)
{
    std::size_t start = 0;
    for (std::size_t level = 0;; ++level) {
        if (level > kMaxDepth)
            return StoreStatus::TooDeep;
        const std::size_t end = std::min(fullPath.find('\\', start), fullPath.size());
        const std::size_t length = end - start;
        if (length == 0)
            return StoreStatus::BadPath;
        if (length > kMaxKeyNameLength)
            return StoreStatus::KeyNameTooLong;
        if (end == fullPath.size())
            return StoreStatus::Ok;
        start = end + 1;
    }
}

StoreStatus RegistryStore::checkValueName(std::string_view name)
{
    return name.size() > kMaxValueNameLength ? StoreStatus::ValueNameTooLong : StoreStatus::Ok;
}

// Holds the recovery lock shared for one operation, so that no other process moves the database
// aside while this one uses it; nested operations share the outermost one's hold.
class RegistryStore::SharedUse
{
public:
    explicit SharedUse(RegistryStore& store)
        : m_store(store)
    {
        if (m_store.m_useDepth++ == 0 && m_store.m_lockFd >= 0)
            while (::flock(m_store.m_lockFd, LOCK_SH) != 0 && errno == EINTR) { }
    }
    ~SharedUse()
    {
        if (--m_store.m_useDepth == 0 && m_store.m_lockFd >= 0)
            ::flock(m_store.m_lockFd, LOCK_UN);
    }
    SharedUse(const SharedUse&) = delete;
    SharedUse& operator=(const SharedUse&) = delete;

private:
    RegistryStore& m_store;
};

RegistryStore::RegistryStore(std::filesystem::path databaseFile, std::chrono::milliseconds lockWait)
    : m_file(std::move(databaseFile))
    , m_lockWait(lockWait)
{
}

RegistryStore::~RegistryStore()
{
    closeDatabase();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

void RegistryStore::closeDatabase()
{
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_opened.reset();
}

bool RegistryStore::ensureOpen()
{
    // Another process may have moved a damaged database aside since this one opened it.
    if (m_db && m_useDepth == 1
        && (m_replacement.available() ? m_replacement.replaced()
                                      : sqlite::identityOf(m_file) != m_opened))
        closeDatabase();
    if (m_db)
        return true;
    sqlite::StoreFile store;
    store.file = m_file;
    store.access = sqlite::Access::WriteOrRead;
    store.schema = kLayout;
    store.lockWait = m_lockWait;
    store.ready = [this] {
        openLockFile();
        m_replacement.rearm();
    };
    try {
        const auto opened = sqlite::openStore(store, m_statements,
            [this](const sqlite::Failure& failure,
                const std::optional<sqlite::FileIdentity>& damaged) {
                recoverFromDamage(sqlite3_errstr(failure.code), damaged);
                return true;
            });
        m_db = opened.db;
        m_opened = opened.identity;
        m_readOnly = opened.readOnly;
        if (opened.newer)
            warn(QT_TRANSLATE_NOOP("PlatformWarning",
                     "registry database %1 was written by a newer version; opened read-only"),
                { shown(m_file) });
        m_openProblem.clear();
    } catch (const sqlite::Failure& failure) {
        m_openProblem = failure.detail.empty() ? sqlite3_errstr(failure.code) : failure.detail;
        if (!m_openFailureReported)
            warn(QT_TRANSLATE_NOOP("PlatformWarning",
                     "registry database %1 cannot be opened: %2; settings are not saved"),
                { shown(m_file), QString::fromStdString(m_openProblem) });
        m_openFailureReported = true;
        return false;
    }
    return true;
}

void RegistryStore::openLockFile()
{
    if (m_lockFd >= 0)
        return;
    const auto lockFile = m_file.string() + ".lock";
    m_lockFd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    keepPrivate(lockFile);
    if (m_lockFd >= 0 && m_useDepth > 0)
        ::flock(m_lockFd, LOCK_SH);
}

void RegistryStore::recoverFromDamage(
    const char* reason, const std::optional<sqlite::FileIdentity>& damaged)
{
    closeDatabase();
    if (m_lockFd < 0) {
        moveAsideCorrupt(reason);
        return;
    }
    // Every other process is between operations while this one holds the lock alone; the
    // shared hold of the operation under way comes back afterwards.
    while (::flock(m_lockFd, LOCK_EX) != 0 && errno == EINTR) { }
    // Another process may have replaced the damaged file meanwhile: that one is not damaged.
    if (!damaged || sqlite::identityOf(m_file) == damaged)
        moveAsideCorrupt(reason);
    while (::flock(m_lockFd, m_useDepth > 0 ? LOCK_SH : LOCK_UN) != 0 && errno == EINTR) { }
}

void RegistryStore::moveAsideCorrupt(const char* reason)
{
    const auto moved = moveAsideDamaged(m_file);
    if (const auto* error = std::get_if<std::error_code>(&moved)) {
        warn(QT_TRANSLATE_NOOP("PlatformWarning",
                 "registry database %1 is damaged (%2) and could not be moved aside: %3"),
            { shown(m_file), QString::fromUtf8(reason), QString::fromStdString(error->message()) });
        return;
    }
    warn(QT_TRANSLATE_NOOP("PlatformWarning",
             "registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty "
             "one"),
        { shown(m_file), QString::fromUtf8(reason),
            shown(std::get<std::filesystem::path>(moved)) });
}

void RegistryStore::writeFailed(int code)
{
    if (m_writesFailing)
        return;
    m_writesFailing = true;
    m_failureCode = code & 0xff;
    // Once another writer has held the database past the wait, the writes that follow fail at
    // once instead of each waiting in turn, until one gets through.
    if (m_db && errorFor(code) == StoreStatus::Busy)
        sqlite3_busy_timeout(m_db, 0);
    warn(QT_TRANSLATE_NOOP("PlatformWarning",
             "registry database %1 could not be written: %2; settings changed meanwhile are not "
             "saved"),
        { shown(m_file), QString::fromUtf8(sqlite3_errstr(code)) });
}

bool RegistryStore::hasRoomAgain() const
{
    struct statvfs space
    {
    };
    if (::statvfs(m_file.parent_path().c_str(), &space) != 0)
        return true;
    return static_cast<unsigned long long>(space.f_bavail) * space.f_frsize >= kRoomToRecover;
}

void RegistryStore::writeSucceeded()
{
    // A full disk lets a small write through now and then; that is not the end of it.
    if (m_failureCode == SQLITE_FULL && !hasRoomAgain())
        return;
    m_writesFailing = false;
    sqlite3_busy_timeout(m_db, static_cast<int>(m_lockWait.count()));
    warn(QT_TRANSLATE_NOOP("PlatformWarning", "registry database %1 can be written again"),
        { shown(m_file) });
}

template<typename F>
auto RegistryStore::guarded(bool writes, F&& operation) -> decltype(operation())
{
    SharedUse use(*this);
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
            if (watchRecovery && sqlite3_get_autocommit(m_db)
                && sqlite3_total_changes64(m_db) > changesBefore)
                writeSucceeded();
            return result;
        } catch (const sqlite::Failure& failure) {
            // Inside a transaction of several changes the whole of it fails instead.
            if (isCorruption(failure.code) && attempt == 0 && m_useDepth == 1) {
                recoverFromDamage(sqlite3_errstr(failure.code), m_opened);
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
    Statement query(m_statements, "SELECT 1 FROM keys WHERE id = ?1");
    return query.bind(1, key).step();
}

std::optional<KeyId> RegistryStore::walk(std::string_view fullPath, bool* created)
{
    const sqlite::ReadTransaction snapshot(m_statements);
    KeyId parent = 0; // the roots' parent
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(fullPath.find('\\', start), fullPath.size());
        const auto name = fullPath.substr(start, end - start);
        std::optional<KeyId> found;
        {
            Statement query(
                m_statements, "SELECT id FROM keys WHERE ifnull(parent, 0) = ?1 AND name = ?2");
            if (query.bind(1, parent).bind(2, name).step())
                found = query.integer(0);
        }
        if (!found && !created)
            return std::nullopt;
        if (!found) {
            Statement insert(m_statements, "INSERT INTO keys (parent, name) VALUES (?1, ?2)");
            if (parent != 0)
                insert.bind(1, parent);
            insert.bind(2, name).run();
            found = sqlite3_last_insert_rowid(m_db);
            *created = true;
        }
        parent = *found;
        if (end == fullPath.size())
            return parent;
        start = end + 1;
    }
}

StoreResult<KeyId> RegistryStore::findKey(std::string_view fullPath)
{
    if (const auto problem = checkKeyPath(fullPath); problem != StoreStatus::Ok)
        return problem;
    return guarded(false, [&]() -> StoreResult<KeyId> {
        if (const auto found = walk(fullPath, nullptr))
            return *found;
        return StoreStatus::NotFound;
    });
}

StoreResult<std::pair<KeyId, bool>> RegistryStore::createKey(std::string_view fullPath)
{
    if (const auto problem = checkKeyPath(fullPath); problem != StoreStatus::Ok)
        return problem;
    return guarded(true, [&]() -> StoreResult<std::pair<KeyId, bool>> {
        // An existing key is found without taking the write lock.
        if (const auto found = walk(fullPath, nullptr))
            return std::pair { *found, false };
        WriteTransaction transaction(m_db);
        bool created = false;
        const KeyId key = *walk(fullPath, &created);
        transaction.commit();
        return std::pair { key, created };
    });
}

StoreStatus RegistryStore::deleteTree(KeyId key)
{
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        Statement remove(m_statements, "DELETE FROM keys WHERE id = ?1");
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
        Statement query(m_statements, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
        if (!query.bind(1, key).bind(2, name).step())
            return StoreStatus::NotFound;
        return RegistryValue { static_cast<win::DWORD>(query.integer(0)), query.blob(1) };
    });
}

StoreStatus RegistryStore::setValue(KeyId key, std::string_view name, const RegistryValue& value)
{
    if (const auto problem = checkValueName(name); problem != StoreStatus::Ok)
        return problem;
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        Statement upsert(m_statements,
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
        Statement remove(m_statements, "DELETE FROM vals WHERE key = ?1 AND name = ?2");
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
        Statement query(m_statements, "SELECT name FROM keys WHERE parent = ?1 ORDER BY name");
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
        Statement query(
            m_statements, "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY rowid");
        query.bind(1, key);
        std::vector<StoredValue> found;
        while (query.step())
            found.push_back(
                { query.text(0), { static_cast<win::DWORD>(query.integer(1)), query.blob(2) } });
        return found;
    });
}

StoreStatus RegistryStore::inOneTransaction(const std::function<StoreStatus()>& changes)
{
    const auto result = guarded(true, [&]() -> StoreResult<bool> {
        WriteTransaction transaction(m_db);
        const StoreStatus status = changes();
        if (status != StoreStatus::Ok)
            return status;
        transaction.commit();
        return true;
    });
    return result.status();
}

} // namespace platform
