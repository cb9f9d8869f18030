// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sqlite/statementcache.h"
#include "platform/sqlite/storeopener.h"
#include "records.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace platform::sqlite {
class Statement;
}

namespace usage {

// The usage history: one SQLite database in WAL mode, written by the monitor alone and read by
// anyone at any time. A damaged database is moved aside and replaced by an empty one when it is
// opened for writing. Failures come back as one-line messages naming the file, in the language
// the program loaded.
class UsageStore
{
public:
    enum class Mode { ReadWrite, ReadOnly };

    UsageStore(std::filesystem::path file, Mode mode);
    ~UsageStore();
    UsageStore(const UsageStore&) = delete;
    UsageStore& operator=(const UsageStore&) = delete;

    // $XDG_DATA_HOME/vantrel/usage.sqlite3
    static std::filesystem::path defaultFile();
    const std::filesystem::path& file() const { return m_file; }

    // Empty on success, else why not. Writing, it creates the folder (0700) and file (0600).
    std::string open();
    bool isOpen() const { return m_db != nullptr; }
    // Whether the file's name no longer stands for the file opened: removed, moved away or
    // replaced while open, so that what is written would be lost or land elsewhere.
    bool replaced() const;

    // One transaction: each connection inserted (id 0, its id then set) or updated, and each
    // bucket's bytes added to what is stored. Nothing is written when it fails.
    std::string write(
        std::vector<ConnectionRecord>& connections, const std::vector<Bucket>& buckets);
    // Ends the records a killed program left open, after the figures last written.
    std::string closeOpenConnections();
    // Merges fine buckets that start before `cutoff` into one bucket per local day, the oldest
    // `rows` of them at most, in one transaction: a day met in part is completed by the next
    // call, as merged bytes add up. `more` tells whether any are left to merge.
    std::string compact(std::int64_t cutoff, std::int64_t rows, bool& more);

    // Buckets starting in [from, to), of one entry name or (empty) all, in time order.
    std::vector<Bucket> buckets(std::int64_t from, std::int64_t to, const std::string& name = {});
    // The same added up over the names: one bucket per start and span, with an empty name. What
    // a report needs, read through the time index.
    std::vector<Bucket> sums(std::int64_t from, std::int64_t to, const std::string& name = {});
    // Connections starting in [from, to), in time order.
    std::vector<ConnectionRecord> connections(
        std::int64_t from, std::int64_t to, const std::string& name = {});
    // The newest `limit` of those, in time order: what a view shows of a range that may hold
    // millions.
    std::vector<ConnectionRecord> newestConnections(
        std::int64_t from, std::int64_t to, std::int64_t limit, const std::string& name = {});
    // The entry names the history holds bytes of, in order.
    std::vector<std::string> names();
    // The start of the oldest bytes kept; none in an empty history.
    std::optional<std::int64_t> firstStart();
    // Whether a connection of this entry name started at this second is kept; with `figures`,
    // one of its duration and bytes too.
    bool hasConnection(
        const std::string& name, std::int64_t start, const ConnectionRecord* figures = nullptr);
    // How far from `call.start` the history keeps connections of the same entry name, duration
    // and bytes a whole number of quarter hours away (a time zone's offset), within 26 hours
    // (the widest two offsets apart): where a log written in another zone has its connections.
    std::vector<std::int64_t> zoneShifts(const ConnectionRecord& call);
    // The message of the first read that failed since the file was opened, or empty: a caller
    // may read several times and look once.
    const std::string& readError() const { return m_readError; }
    // What `open` or `write` had to do that a user should hear of (a damaged file moved aside),
    // or empty; told once.
    std::string takeNotice() { return std::exchange(m_notice, {}); }

private:
    // `text` (marked for translation) with the file's name and SQLite's words for `code`.
    std::string failure(const char* text, int code) const;
    // Runs `read`; what SQLite fails in becomes the read error unless one came first.
    void reading(const std::function<void()>& read);
    void readFailed(int code);
    // Each row of `sql` (?1 and ?2 the range [from, to), ?3 a name or empty for all) as `row`
    // makes it.
    template<typename Record>
    std::vector<Record> readRange(const char* sql, std::int64_t from, std::int64_t to,
        const std::string& name, Record (*row)(const platform::sqlite::Statement&));
    // Moves the damaged file aside and says so; false when it could not be moved.
    bool moveAside();

    std::filesystem::path m_file;
    Mode m_mode;
    sqlite3* m_db = nullptr;
    std::optional<platform::sqlite::FileIdentity> m_opened; // the file m_db reads
    // A large file's damage check, run on a thread of its own while writing goes on.
    std::shared_ptr<std::atomic<int>> m_check;
    platform::sqlite::StatementCache m_statements; // of m_db
    std::string m_readError;
    std::string m_notice;
};

} // namespace usage
