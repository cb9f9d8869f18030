// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failure.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <sys/types.h>

struct sqlite3;

namespace platform::sqlite {

class StatementCache;

// The layout a store keeps in its database, numbered in SQLite's user_version.
struct Schema
{
    struct Upgrade
    {
        int from; // the layout the script starts from
        const char* script;
    };

    int version = 0; // the current layout's number
    // Makes whatever of the current layout is missing (CREATE ... IF NOT EXISTS throughout): the
    // whole of it in a new file, the rest of it after an upgrade's script.
    const char* create = nullptr;
    std::span<const Upgrade> upgrades;
    // Foreign keys enforced while the store is open, and off while a layout is rebuilt, so that
    // rebuilding a table does not cascade into the rows that refer to it.
    bool foreignKeys = false;
};

enum class Access {
    Write, // readies and writes the file; one that cannot be written is a failure
    WriteOrRead, // the same, but a file that is there and cannot be written is read
    Read, // reads a file that is there and never changes it
};

// Which file a name stood for, to notice later that the name has come to stand for another.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> identityOf(const std::filesystem::path& file);

struct StoreFile
{
    std::filesystem::path file;
    Access access = Access::Write;
    Schema schema;
    // How long a statement waits for another process's lock.
    std::chrono::milliseconds lockWait { 2000 };
    // Whether the folder is the program's own, kept private as the file is; never a folder the
    // user chose.
    bool ownFolder = true;
    // A larger file is not checked for damage here, as reading it whole would hold the caller:
    // it is left to the caller (OpenedStore::unchecked).
    std::uintmax_t checkedUpTo = std::numeric_limits<std::uintmax_t>::max();
    // Runs once the folder and the file are ready, right before SQLite opens the file.
    std::function<void()> ready;
};

struct OpenedStore
{
    sqlite3* db = nullptr; // the caller's to close
    std::optional<FileIdentity> identity; // of the file opened
    bool readOnly = false;
    bool newer = false; // written by a newer version: only read, its layout left as it is
    bool unchecked = false; // larger than checkedUpTo, so not checked for damage
};

// Opens a store's database: readies its folder and file (the user's alone), opens it as `access`
// asks, turns write-ahead logging on for a writer, checks a writer's file for damage and brings an
// earlier layout up to date in one transaction; a file of a newer layout is only read. `statements`
// is attached to the new connection. Throws the Failure that stopped it and leaves nothing open; a
// damaged file, or one that is no database, throws one for which isCorruption() holds.
OpenedStore openStore(const StoreFile& store, StatementCache& statements);

// Given a damaged file (and the identity of the file opened, when it was), moves it aside and
// tells whether to open the name again.
using MoveAside
    = std::function<bool(const Failure& failure, const std::optional<FileIdentity>& damaged)>;
// The same; a writer's damaged file is handed once to `moveAside`.
OpenedStore openStore(
    const StoreFile& store, StatementCache& statements, const MoveAside& moveAside);

} // namespace platform::sqlite
