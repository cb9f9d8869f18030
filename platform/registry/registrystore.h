// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../sqlite/statementcache.h"
#include "../sqlite/storeopener.h"
#include "../virtualregistry.h"
#include "replacementwatch.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

enum class StoreStatus {
    Ok,
    NotFound, // no such key or value
    Busy, // another writer held the database past the wait bound
    ReadOnly, // the database or its folder cannot be written
    KeyDeleted, // the key went away while a handle to it was open
    BadPath, // an empty key name
    KeyNameTooLong, // a key name beyond kMaxKeyNameLength
    ValueNameTooLong, // a value name beyond kMaxValueNameLength
    TooDeep, // a key more than kMaxDepth levels below its root
    Io, // anything else SQLite reported
};
const char* toString(StoreStatus status);

template<typename T>
class StoreResult
{
public:
    StoreResult(T value)
        : m_content(std::move(value))
    {
    }
    // A failure; never StoreStatus::Ok.
    StoreResult(StoreStatus failure)
        : m_content(failure)
    {
    }
    bool ok() const { return std::holds_alternative<T>(m_content); }
    const T& value() const { return std::get<T>(m_content); }
    T& value() { return std::get<T>(m_content); }
    StoreStatus status() const { return ok() ? StoreStatus::Ok : std::get<StoreStatus>(m_content); }

private:
    std::variant<T, StoreStatus> m_content;
};

using KeyId = std::int64_t;

struct StoredValue
{
    std::string name;
    RegistryValue value;
};

// The persistent registry: a tree of keys holding typed values, kept in one SQLite database.
// Key paths are full paths whose first component names the root ("HKEY_CURRENT_USER\Software").
// Names keep the case they were created with and match without regard to ASCII case. Each call
// is one transaction, so another process sees a change as soon as the call returns and a killed
// process never leaves half of one behind. A database that is not one or is damaged is moved
// aside and replaced by an empty one, under a lock that every process using the database honours,
// so no write reported as done lands in the copy moved aside; a folder that cannot be written
// leaves reads finding nothing and writes failing. The folder is kept 0700 and the database with
// its companion files 0600: settings may hold passwords.
class RegistryStore
{
public:
    explicit RegistryStore(std::filesystem::path databaseFile,
        std::chrono::milliseconds lockWait = std::chrono::milliseconds(2000));
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    const std::filesystem::path& file() const { return m_file; }

    StoreResult<KeyId> findKey(std::string_view fullPath);
    // Creates every missing key on the path; the flag tells whether the last one was new.
    StoreResult<std::pair<KeyId, bool>> createKey(std::string_view fullPath);
    StoreStatus deleteTree(KeyId key);

    StoreResult<RegistryValue> value(KeyId key, std::string_view name);
    StoreStatus setValue(KeyId key, std::string_view name, const RegistryValue& value);
    StoreStatus deleteValue(KeyId key, std::string_view name);

    // Subkey names in case-insensitive order; values in the order they were first set.
    StoreResult<std::vector<std::string>> subKeys(KeyId key);
    StoreResult<std::vector<StoredValue>> values(KeyId key);

    // Runs the changes as one transaction: kept only when `changes` answers Ok, and then all
    // together; another process sees all of them or none.
    StoreStatus inOneTransaction(const std::function<StoreStatus()>& changes);

    // Why the database cannot be opened ("cannot create folder ...: Not a directory"); empty
    // while it can.
    const std::string& openProblem() const { return m_openProblem; }

    // The bounds of the original platform's registry.
    static constexpr std::size_t kMaxKeyNameLength = 255;
    static constexpr std::size_t kMaxValueNameLength = 16383;
    static constexpr std::size_t kMaxDepth = 512; // levels below the root
    // Ok, BadPath, KeyNameTooLong or TooDeep for a full key path.
    static StoreStatus checkKeyPath(std::string_view fullPath);
    // Ok or ValueNameTooLong.
    static StoreStatus checkValueName(std::string_view name);

private:
    class SharedUse;

    bool ensureOpen();
    void openLockFile();
    void closeDatabase();
    // Moves the damaged database aside unless the name no longer stands for the file found damaged.
    void recoverFromDamage(const char* reason, const std::optional<sqlite::FileIdentity>& damaged);
    void moveAsideCorrupt(const char* reason);
    bool keyExists(KeyId key);
    // The key at the path; with `created`, missing keys on the way are inserted and it is set
    // when one was.
    std::optional<KeyId> walk(std::string_view fullPath, bool* created);
    void writeFailed(int code);
    void writeSucceeded();
    bool hasRoomAgain() const;
    // Runs one operation against an open database, replacing a damaged one once.
    template<typename F>
    auto guarded(bool writes, F&& operation) -> decltype(operation());

    std::filesystem::path m_file;
    std::chrono::milliseconds m_lockWait;
    sqlite3* m_db = nullptr;
    sqlite::StatementCache m_statements;
    bool m_readOnly = false;
    std::optional<sqlite::FileIdentity> m_opened; // the file m_db reads, to notice it was replaced
    ReplacementWatch m_replacement { m_file }; // tells the same without a look at the file
    int m_lockFd = -1; // the recovery lock beside the database; -1 when it cannot be had
    int m_useDepth = 0; // nested operations holding the shared lock
    std::string m_openProblem;
    bool m_openFailureReported = false; // said once, not at every read
    bool m_writesFailing = false; // since the last write that failed, until one succeeds
    int m_failureCode = 0; // what the first of those failures was
};

} // namespace platform
