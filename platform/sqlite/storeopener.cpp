// SPDX-License-Identifier: GPL-3.0-or-later
#include "storeopener.h"

#include "../databasefile.h"
#include "statement.h"
#include "statementcache.h"
#include "writetransaction.h"

#include <QByteArray>
#include <cstring>
#include <sqlite3.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::sqlite {

namespace {

std::int64_t userVersion(StatementCache& statements)
{
    Statement query(statements, "PRAGMA user_version");
    return query.step() ? query.integer(0) : 0;
}

int openReadOnly(const std::filesystem::path& file, sqlite3** db)
{
    std::error_code unknown;
    if (::access(file.parent_path().c_str(), W_OK) != 0
        && !std::filesystem::exists(file.string() + "-wal", unknown)) {
        // A file in a folder this process cannot write (an archived copy, say): SQLite could not
        // make the index it shares with writers, and without a -wal file none has it open.
        const QByteArray path = QByteArray(file.c_str()).toPercentEncoding("/");
        return sqlite3_open_v2(("file:" + path + "?immutable=1").constData(), db,
            SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    }
    return sqlite3_open_v2(file.c_str(), db, SQLITE_OPEN_READONLY, nullptr);
}

void upgrade(sqlite3* db, StatementCache& statements, const Schema& schema)
{
    if (schema.foreignKeys)
        exec(db, "PRAGMA foreign_keys = OFF");
    {
        WriteTransaction transaction(db);
        // Another process may have done it meanwhile.
        const std::int64_t found = userVersion(statements);
        if (found < schema.version) {
            for (const Schema::Upgrade& step : schema.upgrades) {
                if (step.from == found)
                    exec(db, step.script);
            }
            exec(db, schema.create);
            exec(db, ("PRAGMA user_version = " + std::to_string(schema.version)).c_str());
        }
        transaction.commit();
    }
    if (schema.foreignKeys)
        exec(db, "PRAGMA foreign_keys = ON");
}

void openInto(const StoreFile& store, StatementCache& statements, OpenedStore& opened)
{
    const bool writes = store.access != Access::Read;
    std::string why = writes ? preparePrivateDatabase(store.file, store.ownFolder)
                             : irregularDatabaseFile(store.file);
    if (!why.empty())
        throw Failure { SQLITE_CANTOPEN, std::move(why) };
    if (store.ready)
        store.ready();
    int rc = SQLITE_OK;
    std::error_code ignored;
    if (!writes) {
        rc = openReadOnly(store.file, &opened.db);
        opened.readOnly = true;
    } else {
        rc = sqlite3_open_v2(
            store.file.c_str(), &opened.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK && store.access == Access::WriteOrRead
            && std::filesystem::exists(store.file, ignored)) {
            // An unwritable folder or file: what it holds can still be read.
            sqlite3_close_v2(opened.db);
            opened.db = nullptr;
            rc = openReadOnly(store.file, &opened.db);
            opened.readOnly = true;
        }
    }
    if (rc != SQLITE_OK) {
        const int error = opened.db ? sqlite3_system_errno(opened.db) : 0;
        throw Failure { rc,
            error ? std::string(sqlite3_errstr(rc)) + " (" + std::strerror(error) + ")"
                  : std::string() };
    }
    statements.attach(opened.db);
    opened.identity = identityOf(store.file);
    sqlite3_extended_result_codes(opened.db, 1);
    sqlite3_busy_timeout(opened.db, static_cast<int>(store.lockWait.count()));
    if (store.schema.foreignKeys)
        exec(opened.db, "PRAGMA foreign_keys = ON");
    if (!opened.readOnly) {
        // WAL lets readers in other processes go on while one writes; a commit is still atomic
        // and survives a killed process.
        useWriteAheadLog(opened.db, store.lockWait);
        exec(opened.db, "PRAGMA synchronous = NORMAL");
    }
    // Only a writer looks for damage up front: it can move a damaged file aside. The check reads
    // the whole file, so a reader, which could do nothing more, meets damage where its reads do.
    if (writes) {
        if (std::filesystem::file_size(store.file, ignored) > store.checkedUpTo) {
            opened.unchecked = true;
        } else {
            Statement check(statements, "PRAGMA quick_check(1)");
            if (!check.step() || check.text(0) != "ok")
                throw Failure { SQLITE_CORRUPT };
        }
    }
    const std::int64_t found = userVersion(statements);
    if (found > store.schema.version) {
        opened.readOnly = true;
        opened.newer = true;
        return;
    }
    // A reader finds no store in a file none has written.
    if (store.access == Access::Read && found == 0)
        throw Failure { SQLITE_NOTADB };
    if (!opened.readOnly && found < store.schema.version)
        upgrade(opened.db, statements, store.schema);
}

OpenedStore openOnce(
    const StoreFile& store, StatementCache& statements, std::optional<FileIdentity>& identity)
{
    OpenedStore opened;
    try {
        openInto(store, statements, opened);
    } catch (...) {
        identity = opened.identity;
        statements.attach(nullptr);
        if (opened.db)
            sqlite3_close_v2(opened.db);
        throw;
    }
    return opened;
}

} // namespace

std::optional<FileIdentity> identityOf(const std::filesystem::path& file)
{
    struct stat status
    {
    };
    if (::stat(file.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity { status.st_dev, status.st_ino };
}

OpenedStore openStore(const StoreFile& store, StatementCache& statements)
{
    std::optional<FileIdentity> unused;
    return openOnce(store, statements, unused);
}

OpenedStore openStore(
    const StoreFile& store, StatementCache& statements, const MoveAside& moveAside)
{
    for (int attempt = 0;; ++attempt) {
        std::optional<FileIdentity> opened;
        try {
            return openOnce(store, statements, opened);
        } catch (const Failure& failure) {
            if (attempt > 0 || store.access == Access::Read || !isCorruption(failure.code)
                || !moveAside(failure, opened))
                throw;
        }
    }
}

} // namespace platform::sqlite
