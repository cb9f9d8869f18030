// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagestore.h"

#include "platform/damagedfile.h"
#include "platform/sqlite/failure.h"
#include "platform/sqlite/statement.h"
#include "platform/sqlite/storeopener.h"
#include "platform/sqlite/writetransaction.h"
#include "platform/xdg.h"

#include <QCoreApplication>
#include <QDateTime>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <thread>

namespace usage {

namespace {

using platform::sqlite::exec;
using platform::sqlite::Failure;
using platform::sqlite::isCorruption;
using platform::sqlite::Statement;
using platform::sqlite::StatementCache;
using platform::sqlite::WriteTransaction;

// How long a write waits for the other program (the monitor or vantrel-usage) to let go.
constexpr std::chrono::milliseconds kLockWait(2000);

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS connections (
    id          INTEGER PRIMARY KEY,
    name        TEXT NOT NULL,
    device_type TEXT NOT NULL DEFAULT '',
    device_name TEXT NOT NULL DEFAULT '',
    start       INTEGER NOT NULL,
    end         INTEGER,
    sent        INTEGER NOT NULL DEFAULT 0,
    received    INTEGER NOT NULL DEFAULT 0,
    duration    INTEGER NOT NULL DEFAULT 0,
    client      TEXT NOT NULL DEFAULT '',
    server      TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS connections_by_start ON connections(start, name);
CREATE TABLE IF NOT EXISTS buckets (
    name     TEXT NOT NULL,
    start    INTEGER NOT NULL,
    span     INTEGER NOT NULL,
    sent     INTEGER NOT NULL,
    received INTEGER NOT NULL,
    PRIMARY KEY (name, start, span)
) WITHOUT ROWID;
-- Covers a report over all names: read in (start, span) order, summed without a sort.
CREATE INDEX IF NOT EXISTS buckets_by_time ON buckets(start, span, sent, received);
)sql";

// Version 1 indexed buckets by start alone, so a report looked up every row and sorted them.
constexpr const char* kFromVersion1 = "DROP INDEX IF EXISTS buckets_by_start";

constexpr platform::sqlite::Schema::Upgrade kUpgrades[] = { { 1, kFromVersion1 } };
constexpr platform::sqlite::Schema kLayout { 2, kSchema, kUpgrades, false };

void addToBucket(StatementCache& statements, const Bucket& bucket)
{
    Statement add(statements,
        "INSERT INTO buckets (name, start, span, sent, received) VALUES (?1, ?2, ?3, ?4, ?5) "
        "ON CONFLICT (name, start, span) DO UPDATE SET sent = sent + excluded.sent, "
        "received = received + excluded.received");
    add.bind(1, bucket.name).bind(2, bucket.start).bind(3, bucket.span);
    add.bind(4, bucket.sent).bind(5, bucket.received).run();
}

// A connection still open has no end: NULL in its column.
void bindEnd(Statement& statement, int index, const std::optional<std::int64_t>& end)
{
    if (end)
        statement.bind(index, *end);
    else
        statement.bindNull(index);
}

const char* const kBucketsInRange
    = "SELECT name, start, span, sent, received FROM buckets WHERE start >= ?1 AND start < ?2 "
      "AND (?3 = '' OR name = ?3) ORDER BY start";

Bucket bucketOf(const Statement& row)
{
    return { row.text(0), row.integer(1), row.integer(2), row.integer(3), row.integer(4) };
}

const char* const kConnectionsInRange
    = "SELECT id, name, device_type, device_name, start, end, sent, received, duration, "
      "client, server FROM connections WHERE start >= ?1 AND start < ?2 "
      "AND (?3 = '' OR name = ?3) ORDER BY start, id";

ConnectionRecord connectionOf(const Statement& row)
{
    ConnectionRecord record;
    record.id = row.integer(0);
    record.name = row.text(1);
    record.deviceType = row.text(2);
    record.deviceName = row.text(3);
    record.start = row.integer(4);
    if (!row.isNull(5))
        record.end = row.integer(5);
    record.sent = row.integer(6);
    record.received = row.integer(7);
    record.duration = row.integer(8);
    record.clientAddress = row.text(9);
    record.serverAddress = row.text(10);
    return record;
}

// A history up to this size is checked for damage before its first write; a larger one beside
// its first writes, as reading it whole would hold the window.
constexpr std::uintmax_t kCheckedAtOnce = 16 * 1024 * 1024;
constexpr int kChecking = 0;
constexpr int kIntact = 1;
constexpr int kDamaged = 2;

// Checks `file` for damage on a thread of its own with a connection of its own; the answer
// lands in the state returned, which the thread keeps alive as long as it needs it.
std::shared_ptr<std::atomic<int>> checkInBackground(const std::filesystem::path& file)
{
    auto state = std::make_shared<std::atomic<int>>(kChecking);
    std::thread([state, file] {
        sqlite3* db = nullptr;
        // Only what the check itself finds is damage: a file that cannot be read just now is not.
        bool damaged = false;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* check = nullptr;
            if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr) == SQLITE_OK) {
                const int rc = sqlite3_step(check);
                const auto* text = sqlite3_column_text(check, 0);
                damaged = rc == SQLITE_ROW
                    ? !text || std::string_view(reinterpret_cast<const char*>(text)) != "ok"
                    : isCorruption(sqlite3_extended_errcode(db));
            }
            sqlite3_finalize(check);
        }
        sqlite3_close_v2(db);
        state->store(damaged ? kDamaged : kIntact);
    }).detach();
    return state;
}

const char* const kCannotBeWritten
    = QT_TRANSLATE_NOOP("UsageHistory", "usage history %1: cannot be written: %2");
const char* const kCannotBeRead
    = QT_TRANSLATE_NOOP("UsageHistory", "usage history %1: cannot be read: %2");
const char* const kCannotBeOpened
    = QT_TRANSLATE_NOOP("UsageHistory", "usage history %1: cannot be opened: %2");

// The message of `text` (marked for context "UsageHistory") in the language the program loaded:
// the monitor's user's, English in vantrel-usage, which loads none.
template<typename... Texts>
std::string message(const char* text, const Texts&... arguments)
{
    return QCoreApplication::translate("UsageHistory", text)
        .arg(QString::fromStdString(arguments)...)
        .toStdString();
}

} // namespace

UsageStore::UsageStore(std::filesystem::path file, Mode mode)
    : m_file(std::move(file))
    , m_mode(mode)
{
}

UsageStore::~UsageStore()
{
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
}

std::filesystem::path UsageStore::defaultFile()
{
    return platform::xdg::dataHome() / "vantrel" / "usage.sqlite3";
}

std::string UsageStore::failure(const char* text, int code) const
{
    return message(text, m_file.string(), std::string(sqlite3_errstr(code)));
}

std::string UsageStore::open()
{
    if (m_db)
        return {};
    if (m_mode == Mode::ReadOnly && !std::filesystem::exists(m_file))
        return message(QT_TRANSLATE_NOOP(
                           "UsageHistory", "usage history %1: no such file (nothing recorded yet)"),
            m_file.string());
    const bool writes = m_mode == Mode::ReadWrite;
    // Traffic history is private: the folder and the files are the user's alone.
    platform::sqlite::StoreFile store;
    store.file = m_file;
    store.access = writes ? platform::sqlite::Access::Write : platform::sqlite::Access::Read;
    store.schema = kLayout;
    store.lockWait = kLockWait;
    store.ownFolder = m_file.parent_path() == defaultFile().parent_path();
    store.checkedUpTo = kCheckedAtOnce;
    try {
        const auto opened = platform::sqlite::openStore(
            store, m_statements, [this](const Failure&, const auto&) { return moveAside(); });
        if (opened.newer) {
            // Left alone, and said as such, not as a file that cannot be written.
            m_statements.attach(nullptr);
            sqlite3_close_v2(opened.db);
            if (writes)
                return message(QT_TRANSLATE_NOOP("UsageHistory",
                                   "usage history %1: written by a newer version; not recorded"),
                    m_file.string());
            return failure(kCannotBeOpened, SQLITE_READONLY);
        }
        m_db = opened.db;
        m_opened = opened.identity;
        // A large file is checked beside the first writes.
        if (opened.unchecked)
            m_check = checkInBackground(m_file);
        m_readError.clear();
        return {};
    } catch (const Failure& error) {
        if (!error.detail.empty())
            return message(kCannotBeOpened, m_file.string(), error.detail);
        return failure(kCannotBeOpened, error.code);
    }
}

bool UsageStore::moveAside()
{
    const auto moved = platform::moveAsideDamaged(m_file);
    const auto* aside = std::get_if<std::filesystem::path>(&moved);
    if (aside)
        m_notice
            = message(QT_TRANSLATE_NOOP("UsageHistory",
                          "usage history %1 was damaged; moved aside as %2 and started afresh"),
                m_file.string(), aside->string());
    return aside != nullptr;
}

std::string UsageStore::write(
    std::vector<ConnectionRecord>& connections, const std::vector<Bucket>& buckets)
{
    if (m_check && m_check->load() == kDamaged) {
        // Found by the check beside the first writes: what was written since is lost with the
        // rest of the damaged file's pages, as it would have been had the check come first.
        m_check.reset();
        m_statements.clear();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        if (!moveAside())
            return failure(kCannotBeWritten, SQLITE_CORRUPT);
        if (std::string problem = open(); !problem.empty())
            return problem;
        for (ConnectionRecord& connection : connections)
            connection.id = 0; // their rows went with the damaged file
    }
    if (!m_db)
        return message(
            QT_TRANSLATE_NOOP("UsageHistory", "usage history %1: not open"), m_file.string());
    std::vector<std::int64_t> newIds(connections.size(), 0);
    try {
        WriteTransaction transaction(m_db);
        for (std::size_t i = 0; i < connections.size(); ++i) {
            const ConnectionRecord& record = connections[i];
            if (record.id == 0) {
                Statement insert(m_statements,
                    "INSERT INTO connections (name, device_type, device_name, start, end, sent, "
                    "received, duration, client, server) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                    "?9, ?10)");
                insert.bind(1, record.name).bind(2, record.deviceType).bind(3, record.deviceName);
                insert.bind(4, record.start);
                bindEnd(insert, 5, record.end);
                insert.bind(6, record.sent).bind(7, record.received).bind(8, record.duration);
                insert.bind(9, record.clientAddress).bind(10, record.serverAddress).run();
                newIds[i] = sqlite3_last_insert_rowid(m_db);
            } else {
                Statement update(m_statements,
                    "UPDATE connections SET end = ?2, sent = ?3, received = ?4, duration = ?5, "
                    "client = ?6, server = ?7 WHERE id = ?1");
                update.bind(1, record.id);
                bindEnd(update, 2, record.end);
                update.bind(3, record.sent).bind(4, record.received).bind(5, record.duration);
                update.bind(6, record.clientAddress).bind(7, record.serverAddress).run();
            }
        }
        for (const Bucket& bucket : buckets)
            addToBucket(m_statements, bucket);
        transaction.commit();
    } catch (const Failure& error) {
        return failure(kCannotBeWritten, error.code);
    }
    // Into the file itself at once: a history copied, moved or backed up without its -wal file
    // still holds every write. Passive, so a reader is never waited for.
    sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    for (std::size_t i = 0; i < connections.size(); ++i) {
        if (newIds[i] != 0)
            connections[i].id = newIds[i];
    }
    return {};
}

std::string UsageStore::closeOpenConnections()
{
    try {
        exec(m_db, "UPDATE connections SET end = start + duration WHERE end IS NULL");
    } catch (const Failure& error) {
        return failure(kCannotBeWritten, error.code);
    }
    return {};
}

std::string UsageStore::compact(std::int64_t cutoff, std::int64_t rows, bool& more)
{
    more = false;
    try {
        WriteTransaction transaction(m_db);
        std::map<std::pair<std::string, std::int64_t>, Bucket> days;
        std::vector<std::pair<std::string, std::int64_t>> merged; // name and start
        std::int64_t read = 0;
        {
            Statement old(m_statements,
                "SELECT name, start, sent, received FROM buckets WHERE start < ?1 AND span = ?2 "
                "ORDER BY start LIMIT ?3");
            old.bind(1, cutoff).bind(2, kFineSpan).bind(3, rows);
            while (old.step()) {
                ++read;
                const std::string name = old.text(0);
                const std::int64_t start = old.integer(1);
                const QDate date = QDateTime::fromSecsSinceEpoch(start).date();
                const std::int64_t dayStart = QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
                Bucket& day = days[{ name, dayStart }];
                day.name = name;
                day.start = dayStart;
                day.span = QDateTime(date.addDays(1), QTime(0, 0)).toSecsSinceEpoch() - dayStart;
                day.sent = addBytes(day.sent, old.integer(2));
                day.received = addBytes(day.received, old.integer(3));
                merged.emplace_back(name, start);
            }
        }
        if (days.empty())
            return {};
        for (const auto& [name, start] : merged) {
            Statement drop(
                m_statements, "DELETE FROM buckets WHERE name = ?1 AND start = ?2 AND span = ?3");
            drop.bind(1, name).bind(2, start).bind(3, kFineSpan).run();
        }
        for (const auto& entry : days)
            addToBucket(m_statements, entry.second);
        transaction.commit();
        more = read == rows;
    } catch (const Failure& error) {
        return failure(
            QT_TRANSLATE_NOOP("UsageHistory", "usage history %1: cannot be compacted: %2"),
            error.code);
    }
    return {};
}

void UsageStore::reading(const std::function<void()>& read)
{
    try {
        read();
    } catch (const Failure& error) {
        readFailed(error.code);
    }
}

void UsageStore::readFailed(int code)
{
    if (m_readError.empty())
        m_readError = failure(kCannotBeRead, code);
}

template<typename Record>
std::vector<Record> UsageStore::readRange(const char* sql, std::int64_t from, std::int64_t to,
    const std::string& name, Record (*row)(const Statement&))
{
    std::vector<Record> result;
    reading([&] {
        Statement query(m_statements, sql);
        query.bind(1, from).bind(2, to).bind(3, name);
        while (query.step())
            result.push_back(row(query));
    });
    return result;
}

std::vector<Bucket> UsageStore::buckets(std::int64_t from, std::int64_t to, const std::string& name)
{
    return readRange(kBucketsInRange, from, to, name, bucketOf);
}

std::vector<Bucket> UsageStore::sums(std::int64_t from, std::int64_t to, const std::string& name)
{
    std::vector<Bucket> result;
    reading([&] {
        // Two statements rather than one with "?3 = '' OR", which would keep SQLite from the
        // index on the name. Over all names, grouped and ordered as buckets_by_time is, so the
        // index alone is read and nothing sorted.
        Statement query(m_statements,
            name.empty() ? "SELECT start, span, total(sent), total(received) FROM buckets "
                           "WHERE start >= ?1 AND start < ?2 GROUP BY start, span "
                           "ORDER BY start, span"
                         : "SELECT start, span, sent, received FROM buckets "
                           "WHERE name = ?3 AND start >= ?1 AND start < ?2 ORDER BY start");
        query.bind(1, from).bind(2, to);
        if (!name.empty())
            query.bind(3, name);
        while (query.step())
            result.push_back(
                { {}, query.integer(0), query.integer(1), query.integer(2), query.integer(3) });
    });
    return result;
}

bool UsageStore::replaced() const
{
    return m_db && platform::sqlite::identityOf(m_file) != m_opened;
}

bool UsageStore::hasConnection(
    const std::string& name, std::int64_t start, const ConnectionRecord* figures)
{
    bool found = false;
    reading([&] {
        Statement query(m_statements,
            "SELECT 1 FROM connections WHERE start = ?1 AND name = ?2 AND (?3 = 0 OR "
            "(duration = ?4 AND sent = ?5 AND received = ?6))");
        query.bind(1, start).bind(2, name).bind(3, std::int64_t { figures != nullptr });
        query.bind(4, figures ? figures->duration : 0).bind(5, figures ? figures->sent : 0);
        query.bind(6, figures ? figures->received : 0);
        found = query.step();
    });
    return found;
}

std::vector<std::int64_t> UsageStore::zoneShifts(const ConnectionRecord& call)
{
    constexpr std::int64_t kZonesApart = 26 * 3600;
    std::vector<std::int64_t> shifts;
    reading([&] {
        Statement query(m_statements,
            "SELECT start - ?1 FROM connections WHERE start BETWEEN ?1 - ?6 AND ?1 + ?6 "
            "AND name = ?2 AND (start - ?1) % 900 = 0 AND duration = ?3 AND sent = ?4 "
            "AND received = ?5");
        query.bind(1, call.start).bind(2, call.name).bind(3, call.duration);
        query.bind(4, call.sent).bind(5, call.received).bind(6, kZonesApart);
        while (query.step())
            shifts.push_back(query.integer(0));
    });
    return shifts;
}

std::vector<ConnectionRecord> UsageStore::connections(
    std::int64_t from, std::int64_t to, const std::string& name)
{
    return readRange(kConnectionsInRange, from, to, name, connectionOf);
}

std::vector<ConnectionRecord> UsageStore::newestConnections(
    std::int64_t from, std::int64_t to, std::int64_t limit, const std::string& name)
{
    std::vector<ConnectionRecord> result;
    reading([&] {
        Statement query(m_statements,
            "SELECT * FROM (SELECT id, name, device_type, device_name, start, end, sent, "
            "received, duration, client, server FROM connections WHERE start >= ?1 AND "
            "start < ?2 AND (?4 = '' OR name = ?4) ORDER BY start DESC, id DESC LIMIT ?3) "
            "ORDER BY start, id");
        query.bind(1, from).bind(2, to).bind(3, limit).bind(4, name);
        while (query.step())
            result.push_back(connectionOf(query));
    });
    return result;
}

std::vector<std::string> UsageStore::names()
{
    std::vector<std::string> result;
    reading([&] {
        // From one name to the next through the primary key: a seek per name, not a row per
        // bucket.
        Statement query(m_statements,
            "WITH RECURSIVE next(name) AS (SELECT min(name) FROM buckets UNION ALL "
            "SELECT (SELECT min(name) FROM buckets WHERE name > next.name) FROM next "
            "WHERE next.name IS NOT NULL) SELECT name FROM next WHERE name IS NOT NULL");
        while (query.step())
            result.push_back(query.text(0));
    });
    return result;
}

std::optional<std::int64_t> UsageStore::firstStart()
{
    std::optional<std::int64_t> result;
    reading([&] {
        Statement query(m_statements, "SELECT min(start) FROM buckets");
        if (query.step() && !query.isNull(0))
            result = query.integer(0);
    });
    return result;
}

} // namespace usage
